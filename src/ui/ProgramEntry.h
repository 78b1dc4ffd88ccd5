#pragma once

class QApplication;

namespace trellis {

// Runs the program: the family data folder, the splash, the main window's load, the start-up
// project, the window shown, then the event loop. Returns the exit code.
int RunProgram(QApplication& app);

}  // namespace trellis
