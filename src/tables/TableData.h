#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <vector>

namespace trellis {

// The cells of one table: R data rows by C data columns, with the header texts in row 0 and
// the row numbers 1..R in column 0 (derived, never stored or written).
//
// Cell texts are kept as Windows-1251 bytes, the way the table file holds them: all cells sit
// in one buffer and each cell is an offset and a length into it. A table of 100,000 rows by
// 20 columns is then one allocation for the text (usually the file's own bytes, reused) and
// 8 bytes per cell, instead of a heap string per cell. A character without a Windows-1251
// form becomes "?" as soon as it is entered, which is what the file would get anyway.
class TableData {
 public:
  int RowCount() const { return rows_; }
  int ColumnCount() const { return columns_; }

  // R rows (at least 1) by C columns, every data cell empty; headers are kept for the
  // columns that remain. When the cells cannot be allocated the store is left as it was.
  void Reset(int rows, int columns);

  QString Cell(int row, int column) const;
  QByteArrayView CellBytes(int row, int column) const;
  bool IsCellEmpty(int row, int column) const { return CellBytes(row, column).isEmpty(); }
  // TAB, CR and LF separate cells and rows in the file and cannot be part of a cell: they
  // become spaces.
  void SetCell(int row, int column, QStringView text);
  void SetCellBytes(int row, int column, QByteArrayView bytes);

  QString Header(int column) const;
  void SetHeader(int column, const QString& text);

  // The number of lines of table text: CR LF, a lone LF and a lone CR each end a line, and
  // text after the last line end is a line too. 0 for empty text.
  static qsizetype CountLines(QByteArrayView text);
  // R rows (at least 1) by C columns filled from table text: line i fills row i + 1, its
  // TAB-separated cells fill columns 1, 2, ...; lines beyond the last row and cells beyond the
  // last column are ignored. The text becomes the cell buffer. Everything is allocated before
  // the store changes: when that fails (std::bad_alloc, std::length_error) it is left as it was.
  void FillFromLines(QByteArray text, int rows, int columns);

  // The store holds less than the file it was read from: it must never be written over that
  // file. Reset and FillFromLines clear the mark.
  bool IsPartial() const { return partial_; }
  void MarkPartial() { partial_ = true; }
  // The data rows joined by RowSeparator, their cells by TAB; Reserve more bytes are kept
  // free at the end.
  QByteArray JoinedRows(QByteArrayView rowSeparator, qsizetype reserve = 0) const;

  // Row operations: insert empty rows before Row, remove rows, put rows in a new order
  // (order[i] is the old row that becomes row i + 1).
  void InsertRows(int beforeRow, int count);
  void RemoveRows(int firstRow, int count);
  void ReorderRows(const std::vector<int>& order);

  // What the store costs in memory, for the benchmarks.
  qsizetype MemoryBytes() const;

 private:
  struct CellRef {
    quint32 offset = 0;
    quint32 length = 0;
  };

  bool InRange(int row, int column) const {
    return row >= 1 && row <= rows_ && column >= 1 && column <= columns_;
  }
  CellRef& RefAt(int row, int column) { return cells_[size_t(row - 1) * columns_ + (column - 1)]; }
  const CellRef& RefAt(int row, int column) const {
    return cells_[size_t(row - 1) * columns_ + (column - 1)];
  }
  void CompactIfWasteful();

  int rows_ = 0;
  int columns_ = 0;
  QByteArray buffer_;
  std::vector<CellRef> cells_;
  std::vector<QString> headers_;  // index 0..C; 0 is empty
  qsizetype unusedBytes_ = 0;     // bytes of the buffer no cell refers to any more
  bool partial_ = false;
};

}  // namespace trellis
