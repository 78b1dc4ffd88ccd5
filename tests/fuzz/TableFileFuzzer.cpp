// Feeds arbitrary bytes to the table file reader as a file of 1 to 20 columns, writes what it
// read and reads that again. What must always hold: the reader never crashes or claims rows it
// does not hold, and a table read, written and read back keeps every cell and every row.
#include "tables/TableData.h"
#include "tables/TableFiles.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

void WriteFile(const QString& path, QByteArrayView bytes) {
  QFile file(path);
  Check(file.open(QIODevice::WriteOnly) && file.write(bytes.data(), bytes.size()) == bytes.size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace trellis;
  static QTemporaryDir dir;
  if (size < 1) return 0;
  const int columns = 1 + data[0] % 20;
  const QString path = dir.filePath(QStringLiteral("p.d01"));
  WriteFile(path, QByteArrayView(reinterpret_cast<const char*>(data) + 1, qsizetype(size - 1)));

  TableData first;
  first.Reset(1, columns);
  ReadTableText(first, path);
  Check(first.RowCount() >= 1 && first.ColumnCount() == columns);
  const QByteArray text = TableFileText(first);
  WriteFile(path, text + "\r\n");

  TableData second;
  second.Reset(1, columns);
  ReadTableText(second, path);
  Check(second.RowCount() == first.RowCount());
  for (int r = 1; r <= first.RowCount(); ++r) {
    for (int c = 1; c <= columns; ++c) Check(second.Cell(r, c) == first.Cell(r, c));
  }
  Check(TableFileText(second) == text);
  return 0;
}
