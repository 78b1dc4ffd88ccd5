#pragma once

#include <QByteArray>
#include <QString>

#include <variant>
#include <vector>

namespace trellis {

class TableData;

// What one command did to one table, kept so that it can be taken back and done again. Only
// what changed is kept, never a copy of the table: the cells a command wrote (as they were and
// as they became), the rows it added or removed with their cells, or the new order of the rows
// it sorted. Cell texts are kept as the store keeps them, each cell followed by a TAB (a cell
// never holds one).

// The cells of a block of rows and columns, before and after.
struct CellBlockEdit {
  int top = 1, left = 1, rows = 0, columns = 0;
  QByteArray before, after;
};

// Rows that a command removed or added: their places (ascending; for removed rows, where they
// were; for added rows, where they are) and their cells. A table never has fewer than one row,
// so removing all its rows leaves an empty one in their place: EmptiedTable says so.
struct RowSetEdit {
  bool added = false;
  std::vector<int> rows;
  QByteArray cells;
  bool emptiedTable = false;
};

// Non-negative numbers in as few bits as the largest needs: a sort of 100,000 rows keeps its
// order in 17 bits a row instead of 32.
class PackedNumbers {
 public:
  PackedNumbers() = default;
  explicit PackedNumbers(const std::vector<int>& values);
  int Size() const { return count_; }
  int At(int i) const;
  qsizetype Bytes() const { return qsizetype(words_.capacity() * sizeof(quint64)); }

 private:
  int count_ = 0;
  int bits_ = 0;
  std::vector<quint64> words_;
};

// Rows First.. put in a new order: order.At(i) is the old row that became row First + i.
struct RowOrderEdit {
  int first = 1;
  PackedNumbers order;
};

using TableEditOp = std::variant<CellBlockEdit, RowSetEdit, RowOrderEdit>;

// The cells of a block as an edit keeps them.
QByteArray ReadCellBlock(const TableData& data, int top, int left, int rows, int columns);

// A block edit whose Before holds the cells as they are now; FinishCellBlock reads After.
CellBlockEdit StartCellBlock(const TableData& data, int top, int left, int bottom, int right);
void FinishCellBlock(CellBlockEdit& edit, const TableData& data);

// Removes the given rows (ascending, each once) and returns the edit that did it; a table
// keeps at least one row.
RowSetEdit RemoveRowSet(TableData& data, std::vector<int> rows);
// The edit of rows that were just added at the given places (ascending).
RowSetEdit AddedRowSet(const TableData& data, std::vector<int> rows);

// Does an edit again on the table as it was before it (Forward), or takes it back on the table
// as it was after it.
void ApplyTableEdit(TableData& data, const TableEditOp& op, bool forward);

// The rows an edit shows to the user when done or taken back: the first row and column it
// touched, for the current cell.
struct EditPlace {
  int row = 1, column = 1, lastRow = 1, lastColumn = 1;
};
EditPlace PlaceOfEdit(const TableEditOp& op, int columns);

// Bytes an edit holds, for the benchmarks and the history's limit.
qsizetype EditBytes(const TableEditOp& op);

}  // namespace trellis
