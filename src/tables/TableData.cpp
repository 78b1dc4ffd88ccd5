#include "tables/TableData.h"

#include "app/TextCodec.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <stdexcept>

namespace trellis {

void TableData::Reset(int rows, int columns) { FillFromLines(QByteArray(), rows, columns); }

QByteArrayView TableData::CellBytes(int row, int column) const {
  if (!InRange(row, column)) return {};
  const CellRef& ref = RefAt(row, column);
  return QByteArrayView(buffer_.constData() + ref.offset, ref.length);
}

QString TableData::Cell(int row, int column) const {
  if (row == 0) return Header(column);
  if (column == 0) return row >= 1 && row <= rows_ ? QString::number(row) : QString();
  return cp1251::Decode(CellBytes(row, column));
}

void TableData::SetCell(int row, int column, QStringView text) {
  QByteArray bytes = cp1251::Encode(text);
  bytes.replace('\t', ' ').replace('\r', ' ').replace('\n', ' ');
  SetCellBytes(row, column, bytes);
}

void TableData::SetCellBytes(int row, int column, QByteArrayView bytes) {
  if (!InRange(row, column)) return;
  CellRef& ref = RefAt(row, column);
  unusedBytes_ += ref.length;
  if (bytes.isEmpty()) {
    ref = CellRef{};
  } else {
    if (quint64(buffer_.size()) + quint64(bytes.size()) > std::numeric_limits<quint32>::max()) {
      throw std::length_error("table text exceeds 4 GB");
    }
    ref = CellRef{quint32(buffer_.size()), quint32(bytes.size())};
    buffer_.append(bytes.data(), bytes.size());
  }
  CompactIfWasteful();
}

QString TableData::Header(int column) const {
  return column >= 0 && size_t(column) < headers_.size() ? headers_[column] : QString();
}

void TableData::SetHeader(int column, const QString& text) {
  if (column >= 1 && size_t(column) < headers_.size()) headers_[column] = text;
}

namespace {

// The first Wanted byte at or after From, or End when there is none.
const char* Find(const char* from, const char* end, char wanted) {
  const void* at = memchr(from, wanted, size_t(end - from));
  return at ? static_cast<const char*>(at) : end;
}

}  // namespace

qsizetype TableData::CountLines(QByteArrayView text) {
  if (text.isEmpty()) return 0;
  const char* begin = text.data();
  const char* end = begin + text.size();
  qsizetype ends = std::count(begin, end, '\n');
  // A CR ends a line of its own unless an LF follows it, which ends that line already.
  for (const char* cr = Find(begin, end, '\r'); cr != end; cr = Find(cr + 1, end, '\r')) {
    if (cr + 1 == end || cr[1] != '\n') ++ends;
  }
  const char last = text.back();
  return last == '\n' || last == '\r' ? ends : ends + 1;
}

void TableData::FillFromLines(QByteArray text, int rows, int columns) {
  if (quint64(text.size()) > std::numeric_limits<quint32>::max()) {
    throw std::length_error("table text exceeds 4 GB");
  }
  rows = std::max(rows, 1);
  columns = std::max(columns, 0);
  std::vector<CellRef> cells(size_t(rows) * size_t(columns));
  std::vector<QString> headers = headers_;
  headers.resize(size_t(columns) + 1);

  // Files made by hand may end their lines in CR LF (the program's own), LF (Linux editors) or
  // CR alone (old Mac editors), even mixed in one file: each of the three ends one line, so no
  // line is run into the next and no empty line is dropped. The next CR and LF are remembered
  // so that every byte is searched once, whatever the mix.
  const char* data = text.constData();
  const char* end = data + text.size();
  const char* lf = Find(data, end, '\n');
  const char* cr = Find(data, end, '\r');
  const char* line = data;
  for (int row = 1; row <= rows; ++row) {
    if (lf < line) lf = Find(line, end, '\n');
    if (cr < line) cr = Find(line, end, '\r');
    const char* lineEnd = std::min(lf, cr);
    CellRef* rowCells = cells.data() + size_t(row - 1) * size_t(columns);
    const char* cell = line;
    for (int column = 0; column < columns; ++column) {
      const char* cellEnd = Find(cell, lineEnd, '\t');
      rowCells[column] = CellRef{quint32(cell - data), quint32(cellEnd - cell)};
      if (cellEnd == lineEnd) break;
      cell = cellEnd + 1;
    }
    if (lineEnd == end) break;
    line = lineEnd == cr && lineEnd + 1 == lf ? lineEnd + 2 : lineEnd + 1;
  }

  // Nothing below allocates or throws.
  rows_ = rows;
  columns_ = columns;
  cells_.swap(cells);
  headers_.swap(headers);
  buffer_.swap(text);
  unusedBytes_ = 0;
  partial_ = false;
}

QByteArray TableData::JoinedRows(QByteArrayView rowSeparator, qsizetype reserve) const {
  qsizetype total = qsizetype(rows_) * (std::max(columns_ - 1, 0) + rowSeparator.size()) + reserve;
  for (const CellRef& ref : cells_) total += ref.length;
  QByteArray text(total, Qt::Uninitialized);
  char* out = text.data();
  const char* in = buffer_.constData();
  for (int row = 1; row <= rows_; ++row) {
    if (row > 1) out = std::copy_n(rowSeparator.data(), rowSeparator.size(), out);
    for (int column = 1; column <= columns_; ++column) {
      if (column > 1) *out++ = '\t';
      const CellRef& ref = RefAt(row, column);
      out = std::copy_n(in + ref.offset, ref.length, out);
    }
  }
  text.truncate(out - text.constData());
  return text;
}

void TableData::InsertRows(int beforeRow, int count) {
  if (count <= 0) return;
  beforeRow = std::clamp(beforeRow, 1, rows_ + 1);
  cells_.insert(cells_.begin() + ptrdiff_t(size_t(beforeRow - 1) * columns_),
                size_t(count) * columns_, CellRef{});
  rows_ += count;
}

void TableData::RemoveRows(int firstRow, int count) {
  firstRow = std::max(firstRow, 1);
  count = std::min(count, rows_ - firstRow + 1);
  if (count <= 0) return;
  const auto first = cells_.begin() + ptrdiff_t(size_t(firstRow - 1) * columns_);
  const auto last = first + ptrdiff_t(size_t(count) * columns_);
  for (auto it = first; it != last; ++it) unusedBytes_ += it->length;
  cells_.erase(first, last);
  rows_ -= count;
  // A table never has fewer than one row.
  if (rows_ == 0) InsertRows(1, 1);
  CompactIfWasteful();
}

void TableData::ReorderRows(const std::vector<int>& order) {
  if (order.size() != size_t(rows_)) return;
  std::vector<CellRef> reordered(cells_.size());
  for (size_t i = 0; i < order.size(); ++i) {
    const int from = order[i];
    if (from < 1 || from > rows_) return;
    std::copy_n(cells_.begin() + ptrdiff_t(size_t(from - 1) * columns_), columns_,
                reordered.begin() + ptrdiff_t(i * columns_));
  }
  cells_ = std::move(reordered);
}

qsizetype TableData::MemoryBytes() const {
  qsizetype headers = 0;
  for (const QString& h : headers_) headers += h.capacity() * 2;
  return buffer_.capacity() + qsizetype(cells_.capacity() * sizeof(CellRef)) +
         qsizetype(headers_.capacity() * sizeof(QString)) + headers;
}

void TableData::CompactIfWasteful() {
  // Edits append to the buffer; once most of it is dead text, the live cells are copied out.
  if (unusedBytes_ < (1 << 20) || unusedBytes_ < buffer_.size() / 2) return;
  QByteArray compact;
  compact.reserve(buffer_.size() - unusedBytes_);
  for (CellRef& ref : cells_) {
    const quint32 offset = quint32(compact.size());
    compact.append(buffer_.constData() + ref.offset, ref.length);
    ref.offset = offset;
  }
  buffer_ = std::move(compact);
  unusedBytes_ = 0;
}

}  // namespace trellis
