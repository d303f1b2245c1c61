#pragma once

namespace brevmark {

// Runs Brevmark: one copy per program folder, then the main window until it ends the program.
int runApplication(int argc, char** argv);

} // namespace brevmark
