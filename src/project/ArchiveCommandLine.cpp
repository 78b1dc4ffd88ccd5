#include "project/ArchiveCommandLine.h"

#include "project/ProjectArchive.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

namespace trellis {

std::optional<int> RunArchiveCommandLine(const QStringList& arguments, QTextStream& errors) {
  const qsizetype option = arguments.indexOf(QStringLiteral("--archive"));
  if (option < 0) return std::nullopt;
  if (arguments.size() != option + 3) {
    errors << "trellis: использование: trellis --archive ПРОЕКТ.d01 АРХИВ.zip\n";
    return 2;
  }
  const QString project =
      QDir::toNativeSeparators(QFileInfo(arguments[option + 1]).absoluteFilePath());
  const QString zipPath =
      QDir::toNativeSeparators(QFileInfo(arguments[option + 2]).absoluteFilePath());
  if (!QFileInfo(project).isFile()) {
    errors << "trellis: нет файла проекта " << project << '\n';
    return 2;
  }
  const FolderArchiveResult result =
      WriteFolderArchive(QDir::toNativeSeparators(QFileInfo(project).absolutePath()), zipPath);
  for (const QString& skipped : result.skipped) {
    errors << "trellis: не попал в архив файл " << skipped << '\n';
  }
  if (!result.written) {
    errors << "trellis: архив " << zipPath << " не создан: " << result.failure << '\n';
    return 1;
  }
  return result.skipped.isEmpty() ? 0 : 1;
}

}  // namespace trellis
