#include "project/ArchiveCommandLine.h"

#include "project/ProjectArchive.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace trellis {

std::optional<int> RunArchiveCommandLine(const QStringList& arguments, QTextStream& errors) {
  const qsizetype option = arguments.indexOf(QStringLiteral("--archive"));
  if (option < 0) return std::nullopt;
  if (arguments.size() != option + 3) {
    errors << "trellis: "
           << QCoreApplication::translate("ArchiveCommandLine",
                                          "использование: trellis --archive ПРОЕКТ.d01 АРХИВ.zip")
           << '\n';
    return 2;
  }
  const QString project =
      QDir::toNativeSeparators(QFileInfo(arguments[option + 1]).absoluteFilePath());
  const QString zipPath =
      QDir::toNativeSeparators(QFileInfo(arguments[option + 2]).absoluteFilePath());
  if (!QFileInfo(project).isFile()) {
    errors << "trellis: "
           << QCoreApplication::translate("ArchiveCommandLine", "нет файла проекта %1").arg(project)
           << '\n';
    return 2;
  }
  const FolderArchiveResult result =
      WriteFolderArchive(QDir::toNativeSeparators(QFileInfo(project).absolutePath()), zipPath);
  for (const QString& skipped : result.skipped) {
    errors << "trellis: "
           << QCoreApplication::translate("ArchiveCommandLine", "не попал в архив файл %1")
                  .arg(skipped)
           << '\n';
  }
  if (!result.written) {
    errors << "trellis: "
           << QCoreApplication::translate("ArchiveCommandLine", "архив %1 не создан: %2")
                  .arg(zipPath, result.failure)
           << '\n';
    return 1;
  }
  return result.skipped.isEmpty() ? 0 : 1;
}

}  // namespace trellis
