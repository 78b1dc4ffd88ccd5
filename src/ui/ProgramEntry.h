#pragma once

class QApplication;

namespace trellis {

// Runs the program: the family data folder, the splash, the main window's load, the start-up
// project, the window shown, then the event loop. Returns the exit code. With ExitWhenShown
// it ends as soon as the window is up (start-up time measurements).
int RunProgram(QApplication& app, bool exitWhenShown = false);

}  // namespace trellis
