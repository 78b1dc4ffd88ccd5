#include "cad/AddInLists.h"

#include "app/FilePaths.h"
#include "app/TextCodec.h"
#include "app/TextFiles.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>

namespace trellis {

namespace {

#ifdef Q_OS_WIN
constexpr Qt::CaseSensitivity kPathCase = Qt::CaseInsensitive;
#else
constexpr Qt::CaseSensitivity kPathCase = Qt::CaseSensitive;
#endif

QStringList LinesOf(const QString& path) {
  if (!FileExists(path)) return {};
  static const QRegularExpression kLineEnd(QStringLiteral("\r\n|\r|\n"));
  QStringList lines = ReadWholeFile(path).split(kLineEnd);
  // The text after the last line end is a line only when it is not empty.
  if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
  return lines;
}

QString Joined(const QStringList& lines) {
  QString text;
  for (const QString& line : lines) text += line + QStringLiteral("\r\n");
  return text;
}

void WriteList(const QString& path, const QString& content) {
  ReplaceFileContent(path, cp1251::Encode(content + QStringLiteral("\r\n")));
}

}  // namespace

QString ReadAllLines(const QString& path) {
  return Joined(LinesOf(path));
}

QString ReadLinesExcept(const QString& path, const QString& text) {
  QStringList kept;
  for (const QString& line : LinesOf(path)) {
    if (!line.contains(text, Qt::CaseInsensitive)) kept << line;
  }
  return Joined(kept);
}

bool AddModuleToList(const QString& listPath, const QString& moduleFile, const QString& modulePath,
                     const QString& separator) {
  // Rewriting a list that cannot be read would drop the other programs' entries.
  if (FileExists(listPath) && !QFile(listPath).open(QIODevice::ReadOnly)) return true;
  QString content = ReadAllLines(listPath);
  if (content.isEmpty()) {
    WriteList(listPath, modulePath);
    return false;
  }
  if (content.contains(moduleFile, Qt::CaseInsensitive)) {
    // Paths compare as the file system does.
    if (content.contains(modulePath, kPathCase)) return true;
    content = ReadLinesExcept(listPath, moduleFile);
  }
  WriteList(listPath, content + separator + modulePath);
  return false;
}

}  // namespace trellis
