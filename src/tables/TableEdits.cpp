#include "tables/TableEdits.h"

#include "tables/TableData.h"

#include <QByteArrayView>

#include <algorithm>

namespace trellis {
namespace {

// Writes kept cells (each followed by a TAB) into a block, row by row.
void WriteCellBlock(TableData& data, int top, int left, int rows, int columns, QByteArrayView cells) {
  qsizetype at = 0;
  for (int r = top; r < top + rows; ++r) {
    for (int c = left; c < left + columns; ++c) {
      const qsizetype end = cells.indexOf('\t', at);
      if (end < 0) return;
      data.SetCellBytes(r, c, cells.sliced(at, end - at));
      at = end + 1;
    }
  }
}

// Puts rows with the given cells at the given places (ascending): added at the end, then
// moved into place in one pass, so many scattered rows cost one copy of the table.
void InsertRowSet(TableData& data, const std::vector<int>& rows, QByteArrayView cells) {
  const int before = data.RowCount();
  const int count = int(rows.size());
  data.InsertRows(before + 1, count);
  WriteCellBlock(data, before + 1, 1, count, data.ColumnCount(), cells);
  std::vector<int> order;
  order.reserve(size_t(before + count));
  int original = 1, added = before + 1;
  for (const int place : rows) {
    while (int(order.size()) + 1 < place && original <= before) order.push_back(original++);
    order.push_back(added++);
  }
  while (original <= before) order.push_back(original++);
  data.ReorderRows(order);
}

std::vector<int> FullOrder(const TableData& data, const RowOrderEdit& edit, bool forward) {
  std::vector<int> order(size_t(data.RowCount()));
  for (size_t i = 0; i < order.size(); ++i) order[i] = int(i) + 1;
  for (int i = 0; i < edit.order.Size(); ++i) {
    const size_t place = size_t(edit.first - 1 + i);
    const int old = edit.order.At(i);
    if (place >= order.size()) break;
    if (forward) {
      order[place] = old;
    } else if (old >= 1 && size_t(old) <= order.size()) {
      order[size_t(old - 1)] = int(place) + 1;
    }
  }
  return order;
}

void RemoveRows(TableData& data, const RowSetEdit& edit) { RemoveRowSet(data, edit.rows); }

void RestoreRows(TableData& data, const RowSetEdit& edit) {
  InsertRowSet(data, edit.rows, edit.cells);
  // The empty row that stood in for the removed ones is now after them.
  if (edit.emptiedTable) data.RemoveRows(int(edit.rows.size()) + 1, 1);
}

}  // namespace

PackedNumbers::PackedNumbers(const std::vector<int>& values) : count_(int(values.size())) {
  int largest = 0;
  for (const int v : values) largest = std::max(largest, v);
  bits_ = 1;
  while (bits_ < 31 && (largest >> bits_) != 0) ++bits_;
  words_.assign((size_t(count_) * size_t(bits_) + 63) / 64, 0);
  for (size_t i = 0; i < values.size(); ++i) {
    const size_t bit = i * size_t(bits_);
    const quint64 v = quint64(std::max(values[i], 0));
    words_[bit / 64] |= v << (bit % 64);
    if (bit % 64 + size_t(bits_) > 64) words_[bit / 64 + 1] |= v >> (64 - bit % 64);
  }
}

int PackedNumbers::At(int i) const {
  const size_t bit = size_t(i) * size_t(bits_);
  quint64 v = words_[bit / 64] >> (bit % 64);
  if (bit % 64 + size_t(bits_) > 64) v |= words_[bit / 64 + 1] << (64 - bit % 64);
  return int(v & ((quint64(1) << bits_) - 1));
}

QByteArray ReadCellBlock(const TableData& data, int top, int left, int rows, int columns) {
  QByteArray cells;
  for (int r = top; r < top + rows; ++r) {
    for (int c = left; c < left + columns; ++c) {
      cells.append(data.CellBytes(r, c));
      cells.append('\t');
    }
  }
  return cells;
}

CellBlockEdit StartCellBlock(const TableData& data, int top, int left, int bottom, int right) {
  CellBlockEdit edit;
  edit.top = top;
  edit.left = left;
  edit.rows = std::max(bottom - top + 1, 0);
  edit.columns = std::max(right - left + 1, 0);
  edit.before = ReadCellBlock(data, edit.top, edit.left, edit.rows, edit.columns);
  return edit;
}

void FinishCellBlock(CellBlockEdit& edit, const TableData& data) {
  edit.after = ReadCellBlock(data, edit.top, edit.left, edit.rows, edit.columns);
}

RowSetEdit RemoveRowSet(TableData& data, std::vector<int> rows) {
  RowSetEdit edit;
  edit.rows = std::move(rows);
  std::vector<int> order;
  order.reserve(size_t(data.RowCount()));
  size_t next = 0;
  for (int r = 1; r <= data.RowCount(); ++r) {
    if (next < edit.rows.size() && edit.rows[next] == r) {
      edit.cells.append(ReadCellBlock(data, r, 1, 1, data.ColumnCount()));
      ++next;
    } else {
      order.push_back(r);
    }
  }
  const int kept = int(order.size());
  edit.emptiedTable = kept == 0;
  order.insert(order.end(), edit.rows.begin(), edit.rows.end());
  data.ReorderRows(order);
  data.RemoveRows(kept + 1, int(edit.rows.size()));
  return edit;
}

RowSetEdit AddedRowSet(const TableData& data, std::vector<int> rows) {
  RowSetEdit edit;
  edit.added = true;
  edit.rows = std::move(rows);
  for (const int r : edit.rows) edit.cells.append(ReadCellBlock(data, r, 1, 1, data.ColumnCount()));
  return edit;
}

void ApplyTableEdit(TableData& data, const TableEditOp& op, bool forward) {
  if (const auto* block = std::get_if<CellBlockEdit>(&op)) {
    WriteCellBlock(data, block->top, block->left, block->rows, block->columns,
                   forward ? block->after : block->before);
  } else if (const auto* set = std::get_if<RowSetEdit>(&op)) {
    (set->added == forward ? RestoreRows : RemoveRows)(data, *set);
  } else if (const auto* order = std::get_if<RowOrderEdit>(&op)) {
    data.ReorderRows(FullOrder(data, *order, forward));
  }
}

EditPlace PlaceOfEdit(const TableEditOp& op, int columns) {
  if (const auto* block = std::get_if<CellBlockEdit>(&op)) {
    return {block->top, block->left, block->top + std::max(block->rows, 1) - 1,
            block->left + std::max(block->columns, 1) - 1};
  }
  if (const auto* set = std::get_if<RowSetEdit>(&op)) {
    const int row = set->rows.empty() ? 1 : set->rows.front();
    return {row, 1, set->rows.empty() ? 1 : set->rows.back(), columns};
  }
  const auto& order = std::get<RowOrderEdit>(op);
  return {order.first, 1, order.first + std::max(order.order.Size(), 1) - 1, columns};
}

qsizetype EditBytes(const TableEditOp& op) {
  if (const auto* block = std::get_if<CellBlockEdit>(&op)) {
    return qsizetype(sizeof(*block)) + block->before.capacity() + block->after.capacity();
  }
  if (const auto* set = std::get_if<RowSetEdit>(&op)) {
    return qsizetype(sizeof(*set) + set->rows.capacity() * sizeof(int)) + set->cells.capacity();
  }
  const auto& order = std::get<RowOrderEdit>(op);
  return qsizetype(sizeof(order)) + order.order.Bytes();
}

}  // namespace trellis
