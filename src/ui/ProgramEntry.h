#pragma once

#include <QString>

class QApplication;

namespace trellis {

struct ProgramOptions {
  // A project file to open once the window is up, as a file manager passes it.
  QString projectToOpen;
  // End as soon as the window is up (start-up time measurements).
  bool exitWhenShown = false;
};

// Runs the program: the family data folder, the splash, the main window's load, the start-up
// project, the window shown, then the event loop. Returns the exit code.
int RunProgram(QApplication& app, const ProgramOptions& options);

}  // namespace trellis
