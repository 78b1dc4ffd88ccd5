#include "tables/ValueListPopup.h"

#include "app/LocaleNumbers.h"
#include "tables/GridFilling.h"
#include "tables/ProjectState.h"
#include "tables/TableContext.h"
#include "tables/TableUndo.h"
#include "tables/WindowModel.h"

namespace trellis {
namespace {

int IndexOf(const ColumnSpec& column) { return ParseLocaleWholeNumber(column.index).value_or(0); }

}  // namespace

int OpenValueListPopup(TableContext& ctx) {
  Grid& main = ctx.window.fg1;
  const ColumnSpec* column = main.Column(main.Col());
  if (!column) return 0;
  FillGrid(ctx, ctx.tables.popupGrid, column->source, true);
  int x = 0;
  for (int k = 0; k <= main.Cols(); ++k) {
    const ColumnSpec* other = main.Column(k);
    if (other && other->source == column->source) break;
    x += main.ColumnWidth(k);
  }
  return x;
}

void FitValueListColumns(TableContext& ctx, int widthTwips) {
  ctx.tables.popupGrid.SetWidthTwips(widthTwips);
  ApplyColumnWidths(ctx.tables.popupGrid);
}

void CopyValue(TableContext& ctx, int mainColumn, int popupColumn) {
  Grid& main = ctx.window.fg1;
  const Grid& popup = ctx.tables.popupGrid;
  const ColumnSpec* from = popup.Column(popupColumn);
  if (!from || !main.Column(mainColumn)) return;
  const int row = main.Row();
  main.Data().SetCell(row, mainColumn, popup.Data().Cell(popup.Row(), popupColumn));
  main.SetColumnLists(mainColumn, from->list, from->listBmp);
  main.SelectCell(row, mainColumn);
  main.NotifyCellsChanged(row, mainColumn, row, mainColumn);
  ctx.project.projectSaved = false;
}

void PickFromValueList(TableContext& ctx) {
  Grid& main = ctx.window.fg1;
  const Grid& popup = ctx.tables.popupGrid;
  const int clicked = main.ColSel();
  const ColumnSpec* c = main.Column(clicked);
  if (!c) return;
  const QString clickedVar = c->var;
  const int clickedIndex = IndexOf(*c);
  CellBlockEdit edit = StartCellBlock(main.Data(), main.Row(), 1, main.Row(), main.Cols());
  for (int k = 1; k <= main.Cols(); ++k) {
    const ColumnSpec column = *main.Column(k);  // copied: CopyValue changes the column's lists
    if (column.var.isEmpty()) continue;
    const bool copy = k == clicked ||
                      (clickedIndex == 0 && column.var != clickedVar) ||
                      (clickedIndex != 0 && IndexOf(column) == clickedIndex);
    if (!copy) continue;
    // When several popup columns carry the Var, the last one wins.
    for (int m = 1; m <= popup.Cols(); ++m) {
      if (popup.Column(m)->var == column.var) CopyValue(ctx, k, m);
    }
  }
  RecordCellBlock(ctx, step_names::kListChoice, std::move(edit));
}

}  // namespace trellis
