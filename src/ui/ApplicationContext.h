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

#include <functional>
#include <memory>

namespace trellis {

class CadTableLink;

// The table procedures' calls out, answered by the main window once it exists.
class WindowTableHooks : public TableHooks {
 public:
  std::function<void(const QString&)> showTableHelp;
  std::function<void()> focusGrid;
  // The CAD link, when the program has one (tests run without a host).
  CadTableLink* cad = nullptr;
  // Large or small toolbar images as the user chose, for a table toolbar just built.
  std::function<void()> applyToolbarSize;
  // The busy state of long file work disables the whole main window.
  std::function<void(bool)> setMainWindowEnabled;

  bool ConnectCad(bool silent) override;
  void ApplyTableSetvar() override;
  void RefreshShowSelect() override;
  void UpdateGroupButtons() override;
  void RunTableHook(const QString& key) override;
  void BuildTableToolbar() override;
  void ApplyToolbarSize() override {
    if (applyToolbarSize) applyToolbarSize();
  }
  void ShowTableHelp(const QString& tableKey) override {
    if (showTableHelp) showTableHelp(tableKey);
  }
  void FocusGrid() override {
    if (focusGrid) focusGrid();
  }
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
  std::unique_ptr<ProgramSeams> seams = std::make_unique<ProgramSeams>();
};

}  // namespace trellis
