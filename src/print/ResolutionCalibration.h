#pragma once

#include "print/PrintSettings.h"

#include <QString>
#include <functional>

namespace brevmark {

// The print resolution panel of the settings window as state: the texts of the standard list
// `解析設定` and the advanced list `進階解析`, the level the status pictures and the arrow show,
// and whether the panel is in the advanced mode. Every change of the resolution is stored at once
// as its shortest decimal text.
class ResolutionCalibration {
public:
    // Works on the resolution of the program's live print settings; `store` writes `列印解析度`.
    ResolutionCalibration(PrintSettings& settings, std::function<void(const QString&)> store);

    // Opening the panel: advanced list at "B78", both levels shown; a resolution off the
    // standard scale starts the advanced mode at once.
    void open();
    // `計算解析設定`.
    void showStandardLevel();
    // `計算進階解析`.
    void showAdvancedLevel();
    // A choice in `解析設定` (the list's text after the choice).
    void chooseStandard(const QString& listText);
    // A click on status picture k (1 to 9).
    void chooseStatusPicture(int k);
    // A choice in `進階解析`.
    void chooseAdvanced(const QString& listText);
    // After the advanced sheets: `進階解析` shown, `進階列印` hidden.
    void enterAdvancedMode() { advancedMode_ = true; }

    Fixed4 resolution() const { return resolution_; }
    const QString& standardText() const { return standardText_; }
    const QString& advancedText() const { return advancedText_; }
    bool arrowShown() const { return arrowShown_; }
    // The level the status pictures show and the arrow heads for; 0 before any.
    int level() const { return level_; }
    bool advancedMode() const { return advancedMode_; }
    // Bumped whenever the arrow is sent (again) towards the level.
    int arrowRequests() const { return arrowRequests_; }

private:
    Fixed4& resolution_;
    std::function<void(const QString&)> store_;
    QString standardText_;
    QString advancedText_ = QStringLiteral("B78");
    Fixed4 remembered_ = Fixed4::fromRaw(72000);
    bool arrowShown_ = false;
    int level_ = 0;
    bool advancedMode_ = false;
    int arrowRequests_ = 0;
};

} // namespace brevmark
