#pragma once

#include "tables/ColumnSpec.h"
#include "tables/TableData.h"

#include <QHash>
#include <QObject>

#include <algorithm>
#include <functional>
#include <map>
#include <vector>

namespace trellis {

enum class CellPictureKind { None, CheckSet, CheckClear, OptionSet, OptionClear, File };

struct CellPicture {
  CellPictureKind kind = CellPictureKind::None;
  QString file;  // for File
};

struct HeaderStyle {
  quint32 rgb = 0;  // text colour 0xRRGGBB
  bool underline = false;
  bool bold = false;
};

// A table grid as plain data: the cells (row 0 headers, column 0 row numbers), the column
// attribute set, column widths in twips (0 hides a column), header styles and icons, the
// selection and the first visible row. The widgets show it through a table model; pictures
// and looks of cells are derived from the cell texts when they are drawn, so they always
// match the text.
class Grid : public QObject {
  Q_OBJECT
 public:
  static constexpr int kNumberColumnTwips = 450;
  static constexpr int kMinRowHeightTwips = 300;

  TableData& Data() { return data_; }
  const TableData& Data() const { return data_; }
  int Rows() const { return data_.RowCount(); }
  int Cols() const { return data_.ColumnCount(); }

  // The attribute set of the shown table, columns 1..C at indices 0..C-1.
  const std::vector<ColumnSpec>& Columns() const { return columns_; }
  const ColumnSpec* Column(int column) const {
    return column >= 1 && size_t(column) <= columns_.size() ? &columns_[size_t(column - 1)] : nullptr;
  }
  // Sets the columns and empties the store to one row of them.
  void SetColumns(std::vector<ColumnSpec> columns);
  // A column takes over another table's value list and pictures.
  void SetColumnLists(int column, const QString& list, const QString& listBmp);

  // Where pictures come from: the installation, and the table key for cell pictures. In the
  // main grid a column that refers to another table takes that table's pictures.
  void SetPictureSource(const QString& installationFolder, const QString& pictureFolder,
                        bool sourceColumnsUseSourcePictures);
  const QString& PictureFolder() const { return pictureFolder_; }
  CellPicture PictureOf(int row, int column) const;
  // Check box and option cells draw their text in the background colour and centred.
  bool IsMarkCell(int row, int column) const;

  bool StyledHeaders() const { return styledHeaders_; }
  void SetStyledHeaders(bool styled);
  HeaderStyle HeaderStyleOf(int column) const;
  QString HeaderIcon(int column) const { return column >= 1 && size_t(column) < headerIcons_.size() ? headerIcons_[size_t(column)] : QString(); }
  void SetHeaderIcon(int column, const QString& file);

  // Widths the user gave columns by hand (twips by column): fitting the columns to the grid
  // keeps them.
  const std::map<int, int>& UserWidths() const { return userWidths_; }
  void SetUserWidths(std::map<int, int> widths) { userWidths_ = std::move(widths); }
  void SetUserWidth(int column, int twips) { userWidths_[column] = twips; }

  int ColumnWidth(int column) const;
  void SetColumnWidth(int column, int twips);
  bool IsColumnHidden(int column) const { return column >= 1 && ColumnWidth(column) == 0; }
  // The grid's own width, set by the window layout.
  int WidthTwips() const { return widthTwips_; }
  void SetWidthTwips(int twips) { widthTwips_ = twips; }
  // Header text widths come from the window's font; until the window measures, an estimate.
  void SetTextMeasure(std::function<int(const QString&)> textWidthTwips) { measure_ = std::move(textWidthTwips); }
  int TextWidthTwips(const QString& text) const;

  // Current cell and selection end.
  int Row() const { return row_; }
  int Col() const { return col_; }
  int RowSel() const { return rowSel_; }
  int ColSel() const { return colSel_; }
  int TopRow() const { return topRow_; }
  // How many rows the window shows at once, set by the view (an estimate before).
  int VisibleRows() const { return visibleRows_; }
  void SetVisibleRows(int rows) { visibleRows_ = std::max(rows, 1); }
  // Makes Row the first visible row when it is out of sight.
  void EnsureRowVisible(int row);
  void SetSelection(int row, int col, int rowSel, int colSel);
  void SetTopRow(int row);

  // Selection operations of the program: each turns SelectionEventsOn off while it works,
  // so that the window's selection handling ignores the move, and on again at the end.
  void SelectCell(int row, int col);
  void GoToCell(int row, int col);
  void SelectRows(int firstRow, int lastRow);
  void SelectAllCells();
  void SelectFirstCell();
  bool SelectionEventsOn() const { return selectionEventsOn_; }
  void SetSelectionEventsOn(bool on) { selectionEventsOn_ = on; }

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);

  // Why a cell's value does not fit its column (empty when it does): the view marks such cells.
  void SetValueProblemSource(std::function<QString(int, int)> source) { problemSource_ = std::move(source); }
  QString ValueProblemOf(int row, int column) const { return problemSource_ ? problemSource_(row, column) : QString(); }

  // The cells or their number changed: the widgets fetch what they show again.
  void NotifyReset();
  void NotifyCellsChanged(int row1, int col1, int row2, int col2);

 Q_SIGNALS:
  void Reset();
  void CellsChanged(int row1, int col1, int row2, int col2);
  void ViewChanged();

 private:
  int ClampRow(int row) const { return std::clamp(row, 1, std::max(Rows(), 1)); }
  int ClampCol(int col) const { return std::clamp(col, 1, std::max(Cols(), 1)); }

  TableData data_;
  std::vector<ColumnSpec> columns_;
  std::vector<QString> headerIcons_;  // index 0..C
  std::vector<int> widths_;           // index 0..C, twips
  std::map<int, int> userWidths_;
  QString installationFolder_;
  QString pictureFolder_;
  bool sourcePictures_ = true;
  mutable std::vector<QHash<QString, QString>> pictureMemo_;  // per column: text -> file
  std::function<int(const QString&)> measure_;
  std::function<QString(int, int)> problemSource_;
  bool styledHeaders_ = false;
  int widthTwips_ = 12000;
  int row_ = 1, col_ = 1, rowSel_ = 1, colSel_ = 1, topRow_ = 1;
  int visibleRows_ = 20;
  bool selectionEventsOn_ = true;
  bool visible_ = true;
  bool enabled_ = true;
};

}  // namespace trellis
