#pragma once

#include "tables/TableContext.h"

#include <QString>

namespace trellis {

class Prompter;
class ProjectHooks;
class SettingsStore;

// The project and archive dialogs share one dialog whose initial folder, once set, stays for
// the rest of the run.
struct ProjectDialogState {
  QString initialFolder;
};

// What the project operations work with: the table procedures' context (working folder,
// project state, window model, table state) and what only the program as a whole has.
struct ProjectContext {
  TableContext tables;
  SettingsStore& settings;
  Prompter& prompter;
  ProjectHooks& hooks;
  ProjectDialogState& dialog;
};

}  // namespace trellis
