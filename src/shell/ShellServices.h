#pragma once

#include "platform/DataLocation.h"

namespace brevmark {

class ApplicationControl;
class FileSystem;
class MessageBoxes;
class SystemServices;

// What the main window needs from the system; tests hand in doubles.
struct ShellServices {
    DataLocation location;
    FileSystem& files;
    MessageBoxes& messages;
    SystemServices& system;
    ApplicationControl& control;
};

} // namespace brevmark
