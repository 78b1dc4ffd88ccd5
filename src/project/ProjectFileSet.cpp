#include "project/ProjectFileSet.h"

#include "app/FilePaths.h"
#include "app/RunTimeError.h"
#include "project/FileReplacement.h"
#include "tables/InstallationFiles.h"
#include "tables/WindowModel.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

namespace trellis {
namespace {

// "<base>.*" as a directory listing matches it: the base alone or followed by a full stop.
bool IsNamedBy(const QString& fileName, const QString& base) {
  return fileName.startsWith(base) &&
         (fileName.size() == base.size() || fileName.at(base.size()) == u'.');
}

bool IsNameless(const QString& fileName) {
  return fileName.startsWith(u'.');
}

void ReportStop(ReportLog& report, const QString& step, const QString& path,
                std::error_code error) {
  report.Append(QCoreApplication::translate("ProjectFileSet", "%1 остановлено на файле \"%2\": %3")
                    .arg(step, path, FileErrorText(error, path)));
}

}  // namespace

bool IsDrawingOrBackup(const QString& fileName) {
  const QString tail = fileName.right(4);
  for (const char* extension : {".dwg", ".dxf", ".bak", ".z$w"}) {
    if (tail.compare(QLatin1String(extension), Qt::CaseInsensitive) == 0) return true;
  }
  return false;
}

void CopyTemplates(const QString& installationFolder, const QString& which,
                   const QString& workingFolder, const QString& baseName) {
  const QString folder = InstallationPath(installationFolder, QStringLiteral("Template/") + which);
  for (const QString& name : FilesOf(folder)) {
    if (name.size() < 5) break;
    const QString target = PathIn(workingFolder, baseName + u'.' + name.right(3));
    if (const std::error_code error =
            CopyFileReplacing(PathIn(folder, name), target, Durability::Scratch)) {
      throw RunTimeError::FromSystem(error, target);
    }
  }
}

bool CopyProjectFiles(const QString& source, const QString& target, const QString& baseName,
                      Durability durability, ReportLog& report) {
  if (!FolderExists(source)) return true;
  const QString step = QCoreApplication::translate("ProjectFileSet", "Копирование файлов проекта");

  // Without a base name the nameless files are the project's own: there is nothing to fold.
  if (!baseName.isEmpty()) {
    for (const QString& name : FilesOf(source)) {
      if (!IsNameless(name)) continue;
      const QString nameless = PathIn(source, name);
      const QString named = PathIn(source, baseName + name);
      // A missing named file has time 0, older than any file.
      if (FileTimeOf(nameless) > FileTimeOf(named)) {
        if (const std::error_code error = CopyFileReplacing(nameless, named, Durability::Durable)) {
          ReportStop(report, step, named, error);
          return false;
        }
      }
      errno = 0;
      if (!QFile::remove(nameless)) {
        ReportStop(report, step, nameless,
                   std::error_code(errno ? errno : EACCES, std::generic_category()));
        return false;
      }
    }
  }

  for (const QString& name : FilesOf(source)) {
    if (!IsNamedBy(name, baseName) || IsDrawingOrBackup(name)) continue;
    const QString copy = PathIn(target, name);
    if (const std::error_code error = CopyFileReplacing(PathIn(source, name), copy, durability)) {
      ReportStop(report, step, copy, error);
      return false;
    }
  }
  return true;
}

bool RenameWorkingFiles(const QString& folder, const QString& oldBase, const QString& newBase,
                        ReportLog& report) {
  if (!FolderExists(folder)) return true;
  QStringList names;
  for (const QString& name : FilesOf(folder)) {
    if (IsNamedBy(name, oldBase) && !IsDrawingOrBackup(name)) names << name;
  }
  for (const QString& name : names) {
    const qsizetype dot = name.lastIndexOf(u'.');
    const QString renamed = PathIn(folder, dot < 0 ? newBase : newBase + name.mid(dot));
    if (const std::error_code error = RenameFileKeeping(PathIn(folder, name), renamed)) {
      ReportStop(report,
                 QCoreApplication::translate("ProjectFileSet", "Переименование файлов проекта"),
                 renamed, error);
      return false;
    }
  }
  return true;
}

}  // namespace trellis
