#include "tables/TableFiles.h"

#include "app/TextFiles.h"
#include "tables/TableData.h"

#include <algorithm>
#include <climits>

namespace trellis {
namespace {

void RemoveLineFeeds(QByteArray& text) {
  text.erase(std::remove(text.begin(), text.end(), '\n'), text.end());
}

// Each pair of consecutive CR becomes one CR, in one pass from the left; pairs do not overlap.
void ReduceCarriageReturnPairs(QByteArray& text) {
  char* data = text.data();
  const qsizetype size = text.size();
  qsizetype out = 0;
  for (qsizetype i = 0; i < size; ++i) {
    data[out++] = data[i];
    if (data[i] == '\r' && i + 1 < size && data[i + 1] == '\r') ++i;
  }
  text.truncate(out);
}

QByteArray WithCrLf(const QByteArray& text, qsizetype reserve) {
  QByteArray out(text.size() + text.count('\r') + reserve, Qt::Uninitialized);
  char* o = out.data();
  for (char c : text) {
    *o++ = c;
    if (c == '\r') *o++ = '\n';
  }
  out.truncate(o - out.constData());
  return out;
}

// Room for the closing CR LF that the writer adds, so the text is not copied again.
constexpr qsizetype kClosingLineEnd = 2;

}  // namespace

void ReadTableText(TableData& data, const QString& path) {
  QByteArray text = ReadWholeFileBytes(path);
  qsizetype lines = text.count('\n') + 1;
  // A last line without its line end is still a row (the program's own files always end with
  // CR LF), so that a hand-made file does not lose it at the next save. A file without any
  // line end stays one empty row.
  if (lines >= 2 && !text.endsWith('\n')) ++lines;
  if (lines < 2) {
    data.Reset(1, data.ColumnCount());
    return;
  }
  RemoveLineFeeds(text);
  ReduceCarriageReturnPairs(text);
  data.Reset(int(std::min<qsizetype>(lines - 1, INT_MAX)), data.ColumnCount());
  data.FillFromLines(std::move(text));
}

QByteArray TableFileText(const TableData& data) {
  // Rows joined by CR, pairs of CR made one, then CR LF. With two or more columns every row
  // holds a TAB, so no two CR can meet and the rows are joined by CR LF at once.
  if (data.ColumnCount() >= 2) return data.JoinedRows("\r\n", kClosingLineEnd);
  QByteArray text = data.JoinedRows("\r");
  ReduceCarriageReturnPairs(text);
  return WithCrLf(text, kClosingLineEnd);
}

bool SaveTableData(const TableData& data, const QString& path, TextFileWriter& writer) {
  QByteArray text = TableFileText(data);
  const QByteArray current = ReadWholeFileBytes(path);
  if (current.size() == text.size() + 2 && current.startsWith(text) && current.endsWith("\r\n")) {
    return false;
  }
  writer.PrintBytesToFile(path, std::move(text));
  return true;
}

void LoadScratchTable(TableData& data, const QString& path, int columns) {
  QByteArray text = ReadWholeFileBytes(path) + "\r\n";
  text.replace("\r\n\r\n", "\r\n");
  text.replace("\r\n\r\n", "\r\n");
  const qsizetype lines = text.count('\n') + 1;
  RemoveLineFeeds(text);
  if (lines < 2) {
    data.Reset(1, columns - 1);
    return;
  }
  data.Reset(int(std::min<qsizetype>(lines - 1, INT_MAX)), columns - 1);
  data.FillFromLines(std::move(text));
}

void SaveScratchTable(const TableData& data, const QString& path, TextFileWriter& writer) {
  writer.PrintBytesToFile(path, TableFileText(data));
}

}  // namespace trellis
