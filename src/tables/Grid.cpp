#include "tables/Grid.h"

#include "tables/ValueLists.h"

namespace trellis {
namespace {

// Runs a selection move with selection events off, and turns them on again afterwards.
template <typename Move>
void SilentMove(Grid& grid, Move move) {
  grid.SetSelectionEventsOn(false);
  move();
  grid.SetSelectionEventsOn(true);
}

}  // namespace

void Grid::SetColumns(std::vector<ColumnSpec> columns) {
  columns_ = std::move(columns);
  data_.Reset(1, int(columns_.size()));
  pictureMemo_.assign(columns_.size(), {});
  headerIcons_.assign(columns_.size() + 1, QString());
  widths_.assign(columns_.size() + 1, 0);
  widths_[0] = kNumberColumnTwips;
}

void Grid::SetColumnLists(int column, const QString& list, const QString& listBmp) {
  if (column < 1 || size_t(column) > columns_.size()) return;
  columns_[size_t(column - 1)].list = list;
  columns_[size_t(column - 1)].listBmp = listBmp;
  pictureMemo_[size_t(column - 1)].clear();
}

void Grid::SetPictureSource(const QString& installationFolder, const QString& pictureFolder,
                            bool sourceColumnsUseSourcePictures) {
  installationFolder_ = installationFolder;
  pictureFolder_ = pictureFolder;
  sourcePictures_ = sourceColumnsUseSourcePictures;
  pictureMemo_.assign(columns_.size(), {});
}

bool Grid::IsMarkCell(int row, int column) const {
  const ColumnSpec* c = Column(column);
  return row >= 1 && c &&
         (c->editorKind == EditorKind::CheckBox || c->editorKind == EditorKind::Option);
}

CellPicture Grid::PictureOf(int row, int column) const {
  const ColumnSpec* c = Column(column);
  if (row < 1 || row > Rows() || !c) return {};
  if (IsMarkCell(row, column)) {
    const bool set = !data_.IsCellEmpty(row, column);
    if (c->editorKind == EditorKind::CheckBox) {
      return {set ? CellPictureKind::CheckSet : CellPictureKind::CheckClear, {}};
    }
    return {set ? CellPictureKind::OptionSet : CellPictureKind::OptionClear, {}};
  }
  if (c->listBmp.isEmpty()) return {};
  const QString text = data_.Cell(row, column);
  QHash<QString, QString>& memo = pictureMemo_[size_t(column - 1)];
  auto it = memo.constFind(text);
  if (it == memo.cend()) {
    const QString folder = sourcePictures_ && !c->source.isEmpty() ? c->source : pictureFolder_;
    it = memo.insert(text, GetListPicture(text, folder, c->list, c->listBmp, installationFolder_));
  }
  if (it->isEmpty()) return {};
  return {CellPictureKind::File, *it};
}

void Grid::SetStyledHeaders(bool styled) {
  styledHeaders_ = styled;
  Q_EMIT ViewChanged();
}

HeaderStyle Grid::HeaderStyleOf(int column) const {
  const ColumnSpec* c = Column(column);
  if (!styledHeaders_ || !c) return {};
  if (!c->list.isEmpty() || !c->source.isEmpty()) return {0x0000C0, true, c->IsIdentifier()};
  if (c->IsIdentifier()) return {0x808080, false, true};
  return {};
}

void Grid::SetHeaderIcon(int column, const QString& file) {
  if (column >= 1 && size_t(column) < headerIcons_.size()) headerIcons_[size_t(column)] = file;
}

int Grid::ColumnWidth(int column) const {
  return column >= 0 && size_t(column) < widths_.size() ? widths_[size_t(column)] : 0;
}

void Grid::SetColumnWidth(int column, int twips) {
  if (column >= 0 && size_t(column) < widths_.size()) widths_[size_t(column)] = std::max(twips, 0);
}

int Grid::TextWidthTwips(const QString& text) const {
  if (measure_) return measure_(text);
  // About 7 pixels a character and a cell margin, at 15 twips a pixel.
  return int(text.size()) * 105 + 120;
}

void Grid::SetSelection(int row, int col, int rowSel, int colSel) {
  row_ = ClampRow(row);
  col_ = ClampCol(col);
  rowSel_ = ClampRow(rowSel);
  colSel_ = ClampCol(colSel);
  Q_EMIT ViewChanged();
}

void Grid::SetTopRow(int row) {
  topRow_ = ClampRow(row);
  Q_EMIT ViewChanged();
}

void Grid::EnsureRowVisible(int row) {
  if (row < topRow_ || row >= topRow_ + visibleRows_) SetTopRow(row);
}

void Grid::SelectCell(int row, int col) {
  SilentMove(*this, [&] { SetSelection(row, col, row, col); });
}

void Grid::GoToCell(int row, int col) {
  SilentMove(*this, [&] {
    SetSelection(row, col, row, col);
    SetTopRow(row);
  });
}

void Grid::SelectRows(int firstRow, int lastRow) {
  SilentMove(*this, [&] { SetSelection(firstRow, 1, lastRow, Cols()); });
}

void Grid::SelectAllCells() {
  SilentMove(*this, [&] { SetSelection(Rows(), Cols(), 1, 1); });
}

void Grid::SelectFirstCell() {
  SilentMove(*this, [&] {
    SetSelection(1, 1, 1, 1);
    SetTopRow(1);
  });
}

void Grid::SetVisible(bool visible) {
  visible_ = visible;
  Q_EMIT ViewChanged();
}

void Grid::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Q_EMIT ViewChanged();
}

void Grid::NotifyReset() {
  pictureMemo_.assign(columns_.size(), {});
  Q_EMIT Reset();
}

void Grid::NotifyCellsChanged(int row1, int col1, int row2, int col2) {
  Q_EMIT CellsChanged(row1, col1, row2, col2);
}

}  // namespace trellis
