#pragma once

#include "page/Arrangement.h"
#include "page/LayoutMode.h"
#include "print/PrintSettings.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace brevmark {

class SettingsStore;

// The values start-up takes from the settings store and keeps for the whole run, each read once
// through its typed key (StartupSettings).
struct StartupValues {
    // The layout mode stored with the window placement; simple until a setting or the user sets
    // it. A stored number that is neither layout switches to neither, and is written back as read.
    LayoutMode layoutMode = LayoutMode::Simple;
    int otherLayoutNumber = 0;
    bool maximised = false;
    // Placement applied from the stored window size; a part is empty when it was not applied.
    std::optional<double> left;
    std::optional<double> top;
    std::optional<double> width;
    std::optional<double> height;

    // Printer kind and print resolution: the program's one copy, live for the whole run.
    PrintSettings printing;
    // `更新設定`: 1 runs the update check at start.
    int updateCheck = 0;
    // The start-up password, decoded from its stored form; empty when none is in force.
    QString expectedPassword;
    // The arrangement fields (horizontal and vertical spacing, left and top start), when stored.
    std::optional<ArrangementSettings> arrangement;
    // Captions of record fields 1 to 6 in the record-load panel.
    QStringList fieldCaptions{QStringLiteral("種類"), QStringLiteral("名稱"),
                              QStringLiteral("自訂"), QStringLiteral("自訂"),
                              QStringLiteral("自訂"), QStringLiteral("自訂")};
    // Record fields 2 up to this number are shown in the record-load panel (fields 0 and 1 always).
    int lastShownField = 1;
    // Width of the simple layout's item, when the label printer changes it.
    std::optional<double> item0Width;
};

// Reads every key start-up knows; the screen size decides whether a stored position is used.
StartupValues applyStartupSettings(const SettingsStore& store, double screenWidthTwips,
                                   double screenHeightTwips);

// The last record field the record-load panel shows, from the stored field counts (each stored
// count shows its fields; a later smaller one hides none of them). Read again at each opening,
// since the record manager changes the count while the program runs.
int storedLastShownField(const SettingsStore& store);

} // namespace brevmark
