#include "settings/PasswordSection.h"

#include "common/Cp950.h"
#include "common/PasswordCodec.h"
#include "platform/MessageBoxes.h"
#include "platform/SystemServices.h"
#include "records/SettingsKeys.h"
#include "records/SettingsStore.h"
#include "symbology/BarcodeText.h"

#include <algorithm>

namespace brevmark {

PasswordSection::PasswordSection(SettingsStore& store, MessageBoxes& messages,
                                 SystemServices& system, QString expectedPassword,
                                 std::function<void()> endProgram)
    : store_(store), messages_(messages), system_(system), expected_(std::move(expectedPassword)),
      endProgram_(std::move(endProgram)), masked_(!expected_.isEmpty()) {}

QString PasswordSection::unlockedNotice() {
    return QStringLiteral("密碼正確、已經解除【修改限制】請重新輸入、管理者密碼\r\n"
                          "不需要、管理者密碼、請:清除密碼後儲存");
}

QString PasswordSection::storedNotice() {
    return QStringLiteral("完成密碼設定、程式須關閉、重新啟動後才能生效");
}

QString PasswordSection::removedNotice() {
    return QStringLiteral("無輸入密碼、啟動時將無密碼保護、任何人都可以使用本軟體");
}

void PasswordSection::textChanged(const QString& text) {
    if (!expected_.isEmpty() && !saveEnabled_ && text == expected_) {
        messages_.inform(doneTitle(), unlockedNotice());
        saveEnabled_ = true;
        masked_ = false;
    } else if (expected_.isEmpty() && !text.isEmpty()) {
        saveEnabled_ = true;
        masked_ = false;
    }
}

bool PasswordSection::refuses(QChar typed) {
    if (typed.unicode() == 22) // Ctrl+V
        return true;
    const QString one(typed);
    return cleanField(one).isEmpty() || !cp950::canEncode(one);
}

bool PasswordSection::accepts(const QString& text) {
    return std::none_of(text.begin(), text.end(), [](QChar c) { return refuses(c); });
}

QString PasswordSection::clean(const QString& text) {
    return cleanField(text);
}

QString PasswordSection::save(const QString& text) {
    if (!saveEnabled_)
        return text;
    const QString cleaned = clean(text);
    // Stored, a character code page 950 lacks would become "?": a password nobody can type.
    if (const QString lacking = cp950::unencodableCharacters(cleaned); !lacking.isEmpty()) {
        messages_.warn(unstorableTitle(),
                       QStringLiteral("密碼中含有 Big5 無法儲存的文字：") +
                           cp950::listedCharacters(lacking) +
                           QStringLiteral("\r\n這樣的密碼在啟動時無法輸入，密碼沒有變更。"));
        return cleaned;
    }
    const QString value =
        cleaned.isEmpty() ? QString() : password_codec::encode(cleaned, system_.random());
    if (!store_.set(settings_keys::password, value))
        return cleaned; // the store has told the user; the old password stays in force
    messages_.inform(doneTitle(), value.isEmpty() ? removedNotice() : storedNotice());
    if (endProgram_)
        endProgram_();
    return cleaned;
}

} // namespace brevmark
