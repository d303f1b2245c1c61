#pragma once

#include <QPointF>
#include <QString>
#include <QUrl>
#include <cstdint>
#include <optional>

namespace brevmark {

class MessageBoxes;
struct PrintSettings;
class SettingsStore;
class SystemServices;

// The settings window's choices as rules: each is stored the moment it is made. The printer kind
// takes effect at once; the update option at the next start.
class SettingsChoices {
public:
    // Sets the printer kind of the program's live print settings.
    SettingsChoices(SettingsStore& store, MessageBoxes& messages, SystemServices& system,
                    PrintSettings& printing);

    // Printer kind 0 or 1; choosing the label printer explains the calibration every time.
    void choosePrinterKind(int kind);
    // 0 off, 1 on (with a notice), 2 opens the product's page and stores nothing.
    void chooseUpdateOption(int option);
    // The web page option 0 to 2, or -1 for none.
    void chooseWebOption(int option) { webOption_ = option; }
    int webOption() const { return webOption_; }
    // `開啟網頁`: the page of the chosen option in the browser; false when none is chosen.
    bool openWebPage();
    static std::optional<QUrl> webPageFor(int option);

    // The caption areas of the update panel picture `更新底圖` and the web panel picture
    // `相關底圖`, in twips of the picture, borders excluded.
    static std::optional<int> updateOptionAt(QPointF twips);
    static std::optional<int> webOptionAt(QPointF twips);

    static QString noticeTitle() { return QStringLiteral("說明提示"); }
    static QString labelPrinterNotice();
    static QString updateNotice();

private:
    SettingsStore& store_;
    MessageBoxes& messages_;
    SystemServices& system_;
    std::uint8_t& printerKind_;
    int webOption_ = -1;
};

} // namespace brevmark
