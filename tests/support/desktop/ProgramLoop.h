#pragma once

#include <functional>

namespace brevmark::test {

// Runs a user's steps inside QApplication::exec(), where the program's windows live and where
// Qt ends an application whose last window closed. True when the steps ran to their end without
// the application quitting (or being asked to) on the way.
bool stepsKeepTheProgramRunning(const std::function<void()>& steps);

} // namespace brevmark::test
