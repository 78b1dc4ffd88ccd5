#pragma once

#include <QString>

namespace trellis {

// The open project: its .d01 path (empty until it is saved), its title (shown in the caption;
// empty after the new command), the base name of its working files, the folder last chosen in a file dialog, and
// the flags the commands keep (unsaved changes; no command run to its end since start-up).
struct ProjectState {
  QString projectPath;
  QString projectTitle;
  QString projectBaseName;
  QString lastProjectFolder;
  bool projectSaved = false;
  bool freshStart = false;
};

}  // namespace trellis
