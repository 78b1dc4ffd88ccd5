#pragma once

#include "app/IniFiles.h"
#include "app/SettingsStore.h"
#include "app/TextFiles.h"
#include "app/WorkingFolders.h"
#include "support/ScriptedPrompter.h"
#include "support/TestFiles.h"
#include "tables/ProjectState.h"
#include "tables/TableContext.h"
#include "tables/TableHooks.h"
#include "tables/WindowModel.h"

#include <QStringList>

namespace trellis::test {

// Records which outside calls the table procedures make.
class RecordingHooks : public TableHooks {
 public:
  bool ConnectCad(bool) override { return Record(QStringLiteral("ConnectCad")), cadReachable; }
  void ApplyTableSetvar() override { Record(QStringLiteral("ApplyTableSetvar")); }
  void BuildTableToolbar() override { Record(QStringLiteral("BuildTableToolbar")); }
  void ShowTableHelp(const QString& key) override { Record(QStringLiteral("ShowTableHelp ") + key); }
  void RunTableHook(const QString& key) override { Record(QStringLiteral("RunTableHook ") + key); }
  // Calls the procedures make on the way, which the tests do not follow.
  void ApplyToolbarSize() override {}
  void RefreshShowSelect() override {}
  void UpdateGroupButtons() override {}
  void FocusGrid() override {}
  void ProcessEvents() override {}
  void Pause(float) override {}

  bool cadReachable = true;
  QStringList calls;

 private:
  void Record(const QString& call) { calls << call; }
};

// A temporary installation and working folder with the table state around them.
class TableFixture {
 public:
  TableFixture();

  // Writes text as the program's files are: Windows-1251, "\n" written as CR LF.
  void WriteInstall(const QString& relative, const QString& text);
  void WriteWorking(const QString& name, const QByteArray& bytes);
  QString WorkingPath(const QString& name);
  QByteArray Working(const QString& name) { return ReadBytes(WorkingPath(name)); }

  TempFolder root;
  QString installation;
  ScriptedPrompter prompter;
  IniFiles ini;
  SettingsStore settings;
  WorkingFolders folders;
  TextFileWriter writer{prompter};
  ProjectState project;
  WindowModel window;
  TableState tables;
  RecordingHooks hooks;
  TableContext ctx;
};

}  // namespace trellis::test
