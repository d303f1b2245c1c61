#include "settings/PasswordSection.h"

#include "common/Cp950.h"
#include "common/PasswordCodec.h"
#include "platform/MessageBoxes.h"
#include "platform/SystemServices.h"
#include "records/SettingsKeys.h"
#include "records/SettingsStore.h"
#include "symbology/BarcodeText.h"

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

QString PasswordSection::clean(const QString& text) {
    return cleanField(text);
}

QString PasswordSection::save(const QString& text) {
    if (!saveEnabled_)
        return text;
    const QString cleaned = clean(text);
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
