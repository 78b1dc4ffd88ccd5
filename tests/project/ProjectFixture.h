#pragma once

#include "app/FullDisk.h"
#include "project/ProjectContext.h"
#include "project/ProjectHooks.h"
#include "support/TableFixture.h"

#include <QDateTime>
#include <QStringList>

#include <ostream>

// Readable strings in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
  *out << text.toStdString();
}

namespace trellis::test {

class RecordingProjectHooks : public ProjectHooks {
 public:
  void BeginBusy() override { ++busyDepth; }
  void EndBusy() override { --busyDepth; }
  void ResetAfterProjectChange() override { ++resets; }
  int busyDepth = 0;
  int resets = 0;
};

// An installation of three tables (Материалы d01, Элементы d02, Нагрузки d04) with template
// folders; Start() loads it as the main window does and creates the start-up project.
class ProjectFixture {
 public:
  ProjectFixture();
  void Start();

  QString Folder(const QString& name);  // created under the test's root
  static QStringList FilesIn(const QString& folder);
  static void Write(const QString& path, const QByteArray& bytes, const QDateTime& modified = {});
  QString Setting(const QString& section, const QString& key);

  TableFixture t;
  RecordingProjectHooks hooks;
  ProjectDialogState dialog;
  ProjectContext ctx{t.ctx, t.settings, t.prompter, hooks, dialog};
  ProjectState& project = t.project;
};

}  // namespace trellis::test
