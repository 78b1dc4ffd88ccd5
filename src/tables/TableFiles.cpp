#include "tables/TableFiles.h"

#include "app/TextFiles.h"
#include "tables/TableData.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <new>
#include <stdexcept>

namespace trellis {
namespace {

// Far more text than such a table holds; bigger files are not even read into memory.
constexpr qint64 kMaxTableFileBytes = qint64(1) << 30;

// Room for the closing CR LF that the writer adds, so the text is not copied again.
constexpr qsizetype kClosingLineEnd = 2;

// Reads the file into the store; when it cannot be held whole, the store gets one empty row and
// the partial mark, and the result says why.
QString ReadWholeTable(TableData& data, const QString& path, int columns) {
  QString reason;
  if (QFileInfo(path).size() > kMaxTableFileBytes) {
    reason = QCoreApplication::translate("TableFiles", "файл больше 1 ГБ");
  } else {
    try {
      QByteArray text = ReadWholeFileBytes(path);
      const qsizetype lines = TableData::CountLines(text);
      const qsizetype maxRows = kMaxTableCells / std::max(columns, 1);
      if (lines <= maxRows) {
        data.FillFromLines(std::move(text), int(std::max<qsizetype>(lines, 1)), columns);
        return QString();
      }
      reason = QCoreApplication::translate("TableFiles",
                                           "в нём %1 строк, а таблица может иметь не больше %2")
                   .arg(lines)
                   .arg(maxRows);
    } catch (const std::bad_alloc&) {
      reason = QCoreApplication::translate("TableFiles", "не хватило памяти");
    } catch (const std::length_error&) {
      reason = QCoreApplication::translate("TableFiles", "не хватило памяти");
    }
  }
  data.Reset(1, columns);
  data.MarkPartial();
  return reason;
}

}  // namespace

QString ReadTableText(TableData& data, const QString& path) {
  const QString reason = ReadWholeTable(data, path, data.ColumnCount());
  if (reason.isEmpty()) return reason;
  return QCoreApplication::translate(
             "TableFiles",
             "Таблица из файла %1 не загружена: %2. Файл оставлен как есть, и пока "
             "таблица открыта, она в него не сохраняется.")
      .arg(QDir::toNativeSeparators(path), reason);
}

QByteArray TableFileText(const TableData& data) {
  // Every row gets its own line end, also an empty row of a one-column table, so that empty
  // rows keep their places.
  return data.JoinedRows("\r\n", kClosingLineEnd);
}

bool SaveTableData(const TableData& data, const QString& path, TextFileWriter& writer) {
  // What was not read must not be written: the file still holds it.
  if (data.IsPartial()) return false;
  QByteArray text = TableFileText(data);
  const QByteArray current = ReadWholeFileBytes(path);
  if (current.size() == text.size() + 2 && current.startsWith(text) && current.endsWith("\r\n")) {
    return false;
  }
  writer.PrintBytesToFile(path, std::move(text));
  return true;
}

QString LoadScratchTable(TableData& data, const QString& path, int columns) {
  const QString reason = ReadWholeTable(data, path, columns - 1);
  if (reason.isEmpty()) return reason;
  return QCoreApplication::translate(
             "TableFiles",
             "Файл таблицы %1 не прочитан: %2. Связи с этой таблицей не обновлены, "
             "файл оставлен как есть.")
      .arg(QDir::toNativeSeparators(path), reason);
}

void SaveScratchTable(const TableData& data, const QString& path, TextFileWriter& writer) {
  if (data.IsPartial()) return;
  writer.PrintBytesToFile(path, TableFileText(data));
}

}  // namespace trellis
