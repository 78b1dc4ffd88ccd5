#pragma once

#include <QString>

namespace trellis {

// The names of the open project: its .d01 path, its title (shown in the caption, empty for
// the start-up project), the base name of its working files, and the folder last chosen.
struct ProjectNames {
  QString projectPath;
  QString projectTitle;
  QString projectBaseName;
  QString lastProjectFolder;
};

}  // namespace trellis
