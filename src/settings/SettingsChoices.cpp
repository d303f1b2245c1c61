#include "settings/SettingsChoices.h"

#include "platform/MessageBoxes.h"
#include "platform/SystemServices.h"
#include "print/PrintSettings.h"
#include "records/SettingsKeys.h"
#include "records/SettingsStore.h"
#include "settings/WebLinks.h"

namespace brevmark {

namespace {
bool strictlyBetween(double v, double low, double high) {
    return v > low && v < high;
}
} // namespace

SettingsChoices::SettingsChoices(SettingsStore& store, MessageBoxes& messages,
                                 SystemServices& system, PrintSettings& printing)
    : store_(store), messages_(messages), system_(system), printerKind_(printing.printerKind) {}

QString SettingsChoices::labelPrinterNotice() {
    return QStringLiteral("選擇【標籤印表機】列印的條碼若無法使用，請進行【校正條碼】");
}

QString SettingsChoices::updateNotice() {
    return QStringLiteral("自動更新只支援 WinXP 系統，Win7 系統，選擇後 "
                          "若出現執行時等待過久，請關閉此選項");
}

void SettingsChoices::choosePrinterKind(int kind) {
    if (kind != 0 && kind != 1)
        return;
    if (kind == 1)
        messages_.inform(noticeTitle(), labelPrinterNotice());
    store_.set(settings_keys::printerKind, QString::number(kind));
    printerKind_ = std::uint8_t(kind);
}

void SettingsChoices::chooseUpdateOption(int option) {
    switch (option) {
    case 0:
        store_.set(settings_keys::updateSetting, QStringLiteral("0"));
        break;
    case 1:
        messages_.inform(noticeTitle(), updateNotice());
        store_.set(settings_keys::updateSetting, QStringLiteral("1"));
        break;
    case 2:
        system_.openInBrowser(web_links::productPage());
        break;
    default:
        break;
    }
}

std::optional<QUrl> SettingsChoices::webPageFor(int option) {
    switch (option) {
    case 0:
    case 2:
        return web_links::makerHome();
    case 1:
        return web_links::makerSupport();
    default:
        return std::nullopt;
    }
}

bool SettingsChoices::openWebPage() {
    const std::optional<QUrl> page = webPageFor(webOption_);
    if (!page)
        return false;
    system_.openInBrowser(*page);
    return true;
}

std::optional<int> SettingsChoices::updateOptionAt(QPointF p) {
    if (!strictlyBetween(p.y(), 520, 740))
        return std::nullopt;
    if (strictlyBetween(p.x(), 360, 1120))
        return 0;
    if (strictlyBetween(p.x(), 1500, 2265))
        return 1;
    if (strictlyBetween(p.x(), 2640, 3405))
        return 2;
    return std::nullopt;
}

std::optional<int> SettingsChoices::webOptionAt(QPointF p) {
    if (!strictlyBetween(p.x(), 360, 1335))
        return std::nullopt;
    if (strictlyBetween(p.y(), 480, 680))
        return 0;
    if (strictlyBetween(p.y(), 720, 920))
        return 1;
    if (strictlyBetween(p.y(), 960, 1160))
        return 2;
    return std::nullopt;
}

} // namespace brevmark
