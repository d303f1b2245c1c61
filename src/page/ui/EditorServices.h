#pragma once

#include "platform/DataLocation.h"

#include <QString>
#include <functional>

namespace brevmark {

class FileSystem;
class MessageBoxes;
class SettingsStore;
class SystemServices;
struct PrintSettings;

// What the page editor uses of the program around it: the files and where they are (the record
// and format files, the layouts, the pictures), the settings store (`列印排列`), the print
// settings the symbols are drawn with, the message boxes and the beep, and the hint line.
// Whatever the shell must open itself (the record-load panel, the alignment window, the prompt
// window) the editor asks for with a signal.
struct EditorServices {
    FileSystem& files;
    DataLocation location;
    SettingsStore& settings;
    // The program's live print settings: the settings window may change them at any time.
    const PrintSettings& printing;
    MessageBoxes& messages;
    SystemServices& system;
    // Sets the hint line `說明提示`.
    std::function<void(const QString&)> hint;
};

} // namespace brevmark
