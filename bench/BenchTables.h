#pragma once

#include "app/IniFiles.h"
#include "app/SettingsStore.h"
#include "app/TextFiles.h"
#include "app/WorkingFolders.h"
#include "tables/ProjectState.h"
#include "tables/TableContext.h"
#include "tables/WindowModel.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdlib>

#include "SilentPrompter.h"
#include "support/QuietTableHooks.h"

namespace trellis::bench {

using test::QuietTableHooks;

// Writes a file whole, its folder made first; a benchmark without its files is meaningless.
inline void WriteFile(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) std::abort();
}

// A temporary folder with an installation folder "install" in it, and the table state the
// program holds around its tables.
struct TableWorld {
  QTemporaryDir dir;
  SilentPrompter prompter;
  IniFiles ini;
  SettingsStore settings{dir.filePath(QStringLiteral("config"))};
  WorkingFolders folders{settings, dir.filePath(QStringLiteral("drive")), 1};
  TextFileWriter writer{prompter};
  ProjectState project;
  WindowModel window;
  TableState tables;
  QuietTableHooks hooks;
  QString install = dir.filePath(QStringLiteral("install"));
  TableContext ctx{install, ini, folders, writer, project, window, tables, hooks};
};

}  // namespace trellis::bench
