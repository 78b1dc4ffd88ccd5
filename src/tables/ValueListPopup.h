#pragma once

namespace trellis {

struct TableContext;

// Fills the popup's grid with the current column's Source table, with its first row chosen.
// Returns the popup's horizontal offset in twips: the widths of the main grid's columns, from
// the number column up to the first column with the same Source.
int OpenValueListPopup(TableContext& ctx);

// Fits the popup grid's columns into the popup's own width, in twips.
void FitValueListColumns(TableContext& ctx, int widthTwips);

// The user picked the popup's current row: values are copied into the edited row by the
// columns' variable names. Without index groups every main column whose Var the popup has is
// filled; with them, the clicked column and the other columns of its group.
void PickFromValueList(TableContext& ctx);

// Copies the popup's cell (its current row, PopupColumn) into the main grid's current row at
// MainColumn, with the popup column's value list and pictures.
void CopyValue(TableContext& ctx, int mainColumn, int popupColumn);

}  // namespace trellis
