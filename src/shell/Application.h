#pragma once

class QApplication;

namespace brevmark {

// The application-wide settings Brevmark runs with: its name, its desktop entry, the font
// substitutions. The end-to-end tests run the windows under the same settings.
void configureApplication(QApplication& app);

// Runs Brevmark: one copy per program folder, then the main window until it ends the program.
int runApplication(int argc, char** argv);

} // namespace brevmark
