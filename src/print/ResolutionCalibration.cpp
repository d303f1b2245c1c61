#include "print/ResolutionCalibration.h"

#include "common/LeadingNumber.h"
#include "print/ResolutionLevels.h"

namespace brevmark {

namespace levels = resolution_levels;

ResolutionCalibration::ResolutionCalibration(PrintSettings& settings,
                                             std::function<void(const QString&)> store)
    : resolution_(settings.resolution), store_(std::move(store)) {}

void ResolutionCalibration::open() {
    advancedText_ = levels::advancedName(78);
    advancedMode_ = false;
    showStandardLevel();
    showAdvancedLevel();
    if (standardText_.isEmpty())
        advancedMode_ = true;
}

void ResolutionCalibration::showStandardLevel() {
    standardText_.clear();
    arrowShown_ = false;
    if (const auto k = levels::standardLevelOf(resolution_))
        standardText_ = levels::standardName(*k);
    if (!standardText_.isEmpty())
        chooseStandard(standardText_);
}

void ResolutionCalibration::showAdvancedLevel() {
    advancedText_ = levels::advancedNameFor(resolution_);
}

void ResolutionCalibration::chooseStandard(const QString& listText) {
    standardText_ = listText;
    arrowShown_ = true;
    if (const auto k = levels::standardLevelNamed(listText)) {
        remembered_ = levels::standardValue(*k);
        level_ = *k;
    }
    if (remembered_ != resolution_) {
        resolution_ = remembered_;
        if (store_)
            store_(resolution_.toText());
    }
    ++arrowRequests_;
    showAdvancedLevel();
}

void ResolutionCalibration::chooseStatusPicture(int k) {
    chooseStandard(levels::standardName(k));
}

void ResolutionCalibration::chooseAdvanced(const QString& listText) {
    const int k = int(leadingNumber(listText.mid(1)));
    if (k < 0 || k > levels::advancedLast)
        return;
    advancedText_ = listText;
    resolution_ = levels::advancedValue(k);
    if (store_)
        store_(resolution_.toText());
    showStandardLevel();
}

} // namespace brevmark
