#pragma once

#include "app/IniFiles.h"
#include "app/Prompter.h"
#include "app/SettingsStore.h"
#include "app/TextFiles.h"
#include "app/WorkingFolders.h"
#include "tables/ProjectState.h"
#include "tables/TableContext.h"
#include "tables/TableHooks.h"
#include "tables/WindowModel.h"
#include "ui/ProgramSeams.h"

#include <memory>

namespace trellis {

class CadTableLink;
class MainWindow;

// The table procedures' calls out, answered by the main window and the CAD link. Either may be
// absent: before the window is built and after it is gone, and in tests of the window without
// a drawing host, where the host counts as reached and has nothing to do.
class WindowTableHooks : public TableHooks {
 public:
  MainWindow* window = nullptr;
  CadTableLink* cad = nullptr;

  bool ConnectCad(bool silent) override;
  void ApplyTableSetvar() override;
  void RefreshShowSelect() override;
  void UpdateGroupButtons() override;
  void RunTableHook(const QString& key) override;
  void BuildTableToolbar() override;
  void ApplyToolbarSize() override;
  void ShowTableHelp(const QString& tableKey) override;
  void FocusGrid() override;
  void ProcessEvents() override;
  void Pause(float seconds) override;
};

// Everything the running program holds: one per main window, built fresh in tests.
class ApplicationContext {
 public:
  ApplicationContext(QString installationFolder, const QString& settingsFolder,
                     const QString& systemDrive, qint64 instanceNumber, Prompter& prompter);

  TableContext Tables() {
    return TableContext{installationFolder, ini, folders, writer, project, window, tables, hooks};
  }

  QString installationFolder;
  Prompter& prompter;
  SettingsStore settings;
  IniFiles ini;
  WorkingFolders folders;
  TextFileWriter writer;
  ProjectState project;
  WindowModel window;
  TableState tables;
  WindowTableHooks hooks;
  // Set by the program's entry once the services exist (tests set their own).
  std::unique_ptr<ProgramSeams> seams;
};

}  // namespace trellis
