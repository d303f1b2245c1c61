#pragma once

#include <QObject>
#include <QString>

namespace brevmark {

class Timer;

// The main window's timers: every piece of delayed or repeated work, each under its own name.
struct MainWindowTimers {
    explicit MainWindowTimers(QObject* owner);

    Timer* arrangeWindow;  // deferred start-up step
    Timer* enlargeWindow;  // lays out a maximised window once it is visible
    Timer* printHotKey;    // polls the print key
    Timer* updateQuery;    // update check
    Timer* loginWait;      // lock screen maintenance unlock
    Timer* expandWindow;   // growing animation
    Timer* shrinkWindow;   // shrinking animation
    Timer* readRecords;    // reads the barcode record file
    Timer* runLater;       // prefix filter of the record-load panel
    Timer* endDisplay;     // caption fill of the record-load panel
};

} // namespace brevmark
