#pragma once

#include <QString>

#include <optional>

namespace trellis {

class Grid;
struct ColumnSpec;
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

// Puts clipboard text (TAB between cells, line ends between rows) into the table as a
// spreadsheet does: a selection that holds the block a whole number of times gets its copies;
// otherwise the block fills its own extent from the first selected cell, and rows are added at
// the end as needed. Cells a column does not take, and cells beyond the last column, are
// counted as refused.
struct PasteOutcome {
  int pasted = 0;
  int refused = 0;
};
PasteOutcome PasteClipboard(TableContext& ctx, const QString& clipboard);

// The text a pasted cell gets in a column: list values matched to their item (an image list's
// with its spaces), a number written with a full stop in a column of numbers with a comma,
// check and option cells set by any text. Nothing when the column does not take pasted text
// (read-only, or a typed identifier of a row that was there before).
std::optional<QString> PastedValue(const ColumnSpec& column, const QString& text, bool newRow);

// Orders the selected rows by the selected columns, leftmost first: numbers as numbers before
// texts as texts (ascending), or the other way round; empty cells last either way.
enum class SortOrder { Ascending, Descending };
void SortSelection(TableContext& ctx, SortOrder order);

}  // namespace trellis
