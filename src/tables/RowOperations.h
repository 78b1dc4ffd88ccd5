#pragma once

#include <QString>

namespace trellis {

class Grid;
class Prompter;
struct TableContext;

// A new row at the end, its identifiers numbered on from the row above; runs MacrosAdd.
void AddRow(TableContext& ctx);

// Deletes the selected rows after the question "Удалить выбранные записи?", writes the table,
// removes the rows of other tables that referred to them, and runs MacrosDel. False when the
// user did not answer Yes.
bool DeleteRows(TableContext& ctx, Prompter& prompter);

// Empties the selected cells, leaving typed identifiers ("№") alone; nothing in a read-only
// table. Delete and Cut both clear so.
void ClearSelection(TableContext& ctx);

// The selected cells as the clipboard gets them: plain text (TAB between cells, CR LF between
// rows, none after the last) and an HTML table beside it, so spreadsheets keep the cells.
struct ClipboardText {
  QString text;
  QString html;
};
ClipboardText CopySelection(const Grid& grid);
ClipboardText CutSelection(TableContext& ctx);

// Every operation that changes cells marks the project unsaved.

// Puts clipboard text into the selected range only. False (and nothing changed) when a
// selected column refuses it: the caller beeps.
bool PasteClipboard(TableContext& ctx, const QString& clipboard);

// Orders the selected rows by the selected columns, leftmost first, as numbers, largest first.
void SortSelection(TableContext& ctx);

}  // namespace trellis
