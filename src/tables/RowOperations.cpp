#include "tables/RowOperations.h"

#include "app/AppIdentity.h"
#include "app/IniFiles.h"
#include "app/LocaleNumbers.h"
#include "app/Prompter.h"
#include "tables/CatalogueLoading.h"
#include "tables/GridFilling.h"
#include "tables/InstallationFiles.h"
#include "tables/ProjectState.h"
#include "tables/TableContext.h"
#include "tables/TableHooks.h"
#include "tables/TableLinkMaintenance.h"
#include "tables/TableUndo.h"
#include "tables/ValueLists.h"
#include "tables/WindowModel.h"

#include <QCollator>
#include <QCoreApplication>

#include <algorithm>
#include <map>
#include <optional>

namespace trellis {
namespace {

struct Range {
  int r1, r2, c1, c2;
};

Range SelectedRange(const Grid& grid) {
  return {std::min(grid.Row(), grid.RowSel()), std::max(grid.Row(), grid.RowSel()),
          std::min(grid.Col(), grid.ColSel()), std::max(grid.Col(), grid.ColSel())};
}

// Ends a row operation: the given row current (column 2 when there is one), in sight.
void FinishOnRow(Grid& grid, int row, int col) {
  grid.SelectCell(row, col);
  grid.EnsureRowVisible(row);
}

std::optional<double> NumberOf(QStringView text) { return ParseLocaleNumber(text); }

// Numbers the identifier columns of row Row on from the row above, where the cell is empty.
// Returns the last column numbered, or 0.
int NumberNewRow(Grid& grid, int row) {
  int numbered = 0;
  for (int k = 1; k <= grid.Cols(); ++k) {
    const ColumnSpec* c = grid.Column(k);
    if (c->editorKind != EditorKind::TextBox || !c->IsIdentifier() || !grid.Data().IsCellEmpty(row, k)) continue;
    const auto previous = ParseLocaleWholeNumber(grid.Data().Cell(row - 1, k));
    if (!previous) continue;
    grid.Data().SetCell(row, k, QString::number(qint64(*previous) + 1));
    numbered = k;
  }
  return numbered;
}

void ClearRange(TableContext& ctx, const char* stepName) {
  // Left open by the rules of the table and chosen here: a read-only table and the numbers
  // that identify rows are not the user's to clear, as they are not the user's to paste over.
  if (IsTableReadOnly(ctx)) return;
  Grid& grid = ctx.window.fg1;
  const Range r = SelectedRange(grid);
  CellBlockEdit edit = StartCellBlock(grid.Data(), r.r1, r.c1, r.r2, r.c2);
  for (int col = r.c1; col <= r.c2; ++col) {
    const ColumnSpec* c = grid.Column(col);
    if (!c || c->IsNumbered()) continue;
    for (int row = r.r1; row <= r.r2; ++row) grid.Data().SetCell(row, col, QString());
  }
  grid.NotifyCellsChanged(r.r1, r.c1, r.r2, r.c2);
  ctx.project.projectSaved = false;
  RecordCellBlock(ctx, stepName, std::move(edit));
}

// The question before a delete, naming the rows of other tables the links take with it.
QString DeleteQuestion(TableContext& ctx, int first, int last) {
  QString question = QCoreApplication::translate("RowOperations", "Удалить выбранные записи?");
  TableData after = ctx.window.fg1.Data();
  after.RemoveRows(first, last - first + 1);
  const UnlinkedRows found = FindUnlinkedRows(ctx, &after);
  std::map<int, int> counts;
  for (const auto& [index, removal] : found.removals) counts[index] += int(removal.rows.size());
  if (counts.empty()) return question;
  question += QCoreApplication::translate("RowOperations",
                                          "\n\nПо связям будут удалены и строки других таблиц:");
  const QString tablesIni = TablesIniPath(ctx.installationFolder);
  for (const auto& [index, count] : counts) {
    const QString key = ctx.tables.catalogue.TableKeys[size_t(index)];
    const QString name = ctx.ini.ReadIni(key, u"Name", tablesIni);
    question += QStringLiteral("\n«%1» — %2").arg(name.isEmpty() ? key : name).arg(count);
  }
  return question;
}

}  // namespace

void AddRow(TableContext& ctx) {
  Grid& grid = ctx.window.fg1;
  const int row = grid.Rows() + 1;
  grid.Data().InsertRows(row, 1);
  DecorateColumns(grid);
  const int numbered = NumberNewRow(grid, row);
  int col = numbered > 0 ? numbered : grid.Col();
  if (grid.Cols() >= 2) col = 2;
  grid.NotifyReset();
  ctx.project.projectSaved = false;
  std::vector<TableEditOp> ops;
  ops.emplace_back(AddedRowSet(grid.Data(), {row}));
  RecordEdit(ctx, step_names::kAddRow, std::move(ops));
  FinishOnRow(grid, row, col);
  grid.SetSelectionEventsOn(false);
  ctx.hooks.RefreshShowSelect();
  ctx.hooks.FocusGrid();
  ctx.hooks.RunTableHook(QStringLiteral("MacrosAdd"));
  grid.SetSelectionEventsOn(true);
}

bool DeleteRows(TableContext& ctx, Prompter& prompter) {
  Grid& grid = ctx.window.fg1;
  const int first = std::min(grid.Row(), grid.RowSel());
  const int last = std::max(grid.Row(), grid.RowSel());
  grid.SelectRows(first, last);
  ctx.hooks.FocusGrid();
  const MessageAnswer answer = prompter.Ask(Message{DeleteQuestion(ctx, first, last), QString(),
                                                    MessageButtons::YesNoCancel, MessageIcon::None});
  if (answer != MessageAnswer::Yes) return false;

  std::vector<int> rows;
  for (int r = first; r <= last; ++r) rows.push_back(r);
  std::vector<TableEditOp> ops;
  ops.emplace_back(RemoveRowSet(grid.Data(), std::move(rows)));
  ctx.project.projectSaved = false;
  SaveCurrentTable(ctx);
  ApplyColumnWidths(grid);
  grid.NotifyReset();
  grid.SetSelectionEventsOn(false);
  ctx.hooks.RefreshShowSelect();
  FinishOnRow(grid, grid.Rows(), grid.Cols() >= 2 ? 2 : grid.Col());
  grid.SetSelectionEventsOn(false);
  ctx.hooks.FocusGrid();
  RecordEdit(ctx, step_names::kDeleteRows, std::move(ops), DeleteNoLink(ctx));
  ctx.hooks.RunTableHook(QStringLiteral("MacrosDel"));
  grid.SetSelectionEventsOn(true);
  return true;
}

void ClearSelection(TableContext& ctx) { ClearRange(ctx, step_names::kClear); }

ClipboardText CopySelection(const Grid& grid) {
  const Range r = SelectedRange(grid);
  QStringList lines;
  QString html = QStringLiteral("<table>");
  for (int row = r.r1; row <= r.r2; ++row) {
    QStringList cells;
    html += QStringLiteral("<tr>");
    for (int col = r.c1; col <= r.c2; ++col) {
      cells << grid.Data().Cell(row, col);
      // An image list's cells keep spaces after the item that the list does not show.
      const ColumnSpec* c = grid.Column(col);
      if (c && c->editorKind == EditorKind::ImageCombo && cells.back().endsWith(kImageItemSuffix)) {
        cells.back().chop(kImageItemSuffix.size());
      }
      html += QStringLiteral("<td>") + cells.back().toHtmlEscaped() + QStringLiteral("</td>");
    }
    lines << cells.join(u'\t');
    html += QStringLiteral("</tr>");
  }
  html += QStringLiteral("</table>");
  return {lines.join(QStringLiteral("\r\n")), html};
}

ClipboardText CutSelection(TableContext& ctx) {
  ClipboardText copied = CopySelection(ctx.window.fg1);
  ClearRange(ctx, step_names::kCut);
  return copied;
}

namespace {

// What a paste did, in the status bar: refused cells are never left unsaid.
PasteOutcome TellPaste(TableContext& ctx, PasteOutcome outcome) {
  QString told =
      QCoreApplication::translate("RowOperations", "Вставлено ячеек: %1").arg(outcome.pasted);
  if (outcome.refused > 0) {
    told += QCoreApplication::translate(
                "RowOperations",
                "; не принято: %1 (таблица или колонка только для чтения, номер "
                "существующей строки или место за последней колонкой)")
                .arg(outcome.refused);
  }
  ctx.window.StatusBar1.SetPanel(1, told);
  return outcome;
}

}  // namespace

PasteOutcome PasteClipboard(TableContext& ctx, const QString& clipboard) {
  PasteOutcome outcome;
  Grid& grid = ctx.window.fg1;
  // Spreadsheets end what they copy with a line end, in CR LF or LF alone.
  QString text = clipboard;
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\r")).replace(u'\n', u'\r');
  if (text.endsWith(u'\r')) text.chop(1);
  std::vector<QStringList> block;
  int blockColumns = 0;
  for (const QString& line : text.split(u'\r')) {
    block.push_back(line.split(u'\t'));
    blockColumns = std::max(blockColumns, int(block.back().size()));
  }
  const int blockRows = int(block.size());
  if (IsTableReadOnly(ctx)) {
    outcome.refused = blockRows * blockColumns;
    return TellPaste(ctx, outcome);
  }

  // A selection that holds the block a whole number of times is filled with its copies;
  // otherwise the block fills its own extent from the selection's first cell, as in a
  // spreadsheet, with rows added at the end as needed.
  const Range selected = SelectedRange(grid);
  const int selectedRows = selected.r2 - selected.r1 + 1, selectedColumns = selected.c2 - selected.c1 + 1;
  const bool tiled = (selectedRows > 1 || selectedColumns > 1) && selectedRows % blockRows == 0 &&
                     selectedColumns % blockColumns == 0;
  const int lastRow = tiled ? selected.r2 : selected.r1 + blockRows - 1;
  const int wantedLastColumn = tiled ? selected.c2 : selected.c1 + blockColumns - 1;
  const int lastColumn = std::min(wantedLastColumn, grid.Cols());
  outcome.refused += (wantedLastColumn - lastColumn) * (lastRow - selected.r1 + 1);

  const int oldRows = grid.Rows();
  std::vector<TableEditOp> ops;
  ops.emplace_back(StartCellBlock(grid.Data(), selected.r1, selected.c1, std::min(lastRow, oldRows), lastColumn));
  if (lastRow > oldRows) grid.Data().InsertRows(oldRows + 1, lastRow - oldRows);
  for (int row = selected.r1; row <= lastRow; ++row) {
    const QStringList& cells = block[size_t((row - selected.r1) % blockRows)];
    for (int col = selected.c1; col <= lastColumn; ++col) {
      const int j = (col - selected.c1) % blockColumns;
      const std::optional<QString> value = PastedValue(*grid.Column(col), cells.value(j), row > oldRows);
      if (!value) {
        ++outcome.refused;
        continue;
      }
      grid.Data().SetCell(row, col, *value);
      ++outcome.pasted;
    }
  }
  FinishCellBlock(std::get<CellBlockEdit>(ops.front()), grid.Data());
  if (lastRow > oldRows) {
    std::vector<int> added;
    for (int row = oldRows + 1; row <= lastRow; ++row) {
      NumberNewRow(grid, row);
      added.push_back(row);
    }
    ops.emplace_back(AddedRowSet(grid.Data(), std::move(added)));
    DecorateColumns(grid);
    grid.NotifyReset();
  } else {
    grid.NotifyCellsChanged(selected.r1, selected.c1, lastRow, lastColumn);
  }
  grid.SetSelectionEventsOn(false);
  grid.SetSelection(selected.r1, selected.c1, lastRow, lastColumn);
  grid.SetSelectionEventsOn(true);
  ctx.project.projectSaved = false;
  // The count first; the checks of the pasted values then tell the current cell's problem,
  // unless cells were refused: that is never left unsaid.
  TellPaste(ctx, outcome);
  RecordEdit(ctx, step_names::kPaste, std::move(ops));
  if (outcome.refused > 0) TellPaste(ctx, outcome);
  ctx.hooks.FocusGrid();
  return outcome;
}

std::optional<QString> PastedValue(const ColumnSpec& column, const QString& text, bool newRow) {
  switch (column.editorKind) {
    case EditorKind::CheckBox:
    case EditorKind::Option:
      return text.trimmed().isEmpty() ? QString() : kMarkedCell;
    case EditorKind::DropDownList:
    case EditorKind::ImageCombo: {
      // Items are matched without the spaces an image list keeps after them; a value that is
      // in no item is kept as typed, and the checks mark it.
      const QString wanted = text.trimmed();
      const QString suffix = column.editorKind == EditorKind::ImageCombo ? kImageItemSuffix : QString();
      if (wanted.isEmpty()) return QString();
      for (const QString& item : column.list.split(u'|')) {
        if (!item.isEmpty() && item.trimmed().compare(wanted, Qt::CaseInsensitive) == 0) return item + suffix;
      }
      return text;
    }
    case EditorKind::ValueListPopup:
      return text;
    default:
      break;
  }
  // Typed identifiers are never pasted over, but a new row may take one.
  if (column.IsNumbered() && !newRow) return std::nullopt;
  if (!column.IsNumbered() && !column.editable) return std::nullopt;
  if (column.HoldsNumbers() && text.contains(u'.') && !ParseLocaleNumber(text)) {
    QString comma = text;
    comma.replace(u'.', u',');
    if (ParseLocaleNumber(comma)) return comma;
  }
  return text;
}

void SortSelection(TableContext& ctx, SortOrder sortOrder) {
  Grid& grid = ctx.window.fg1;
  const Range r = SelectedRange(grid);
  const int row = grid.Row(), col = grid.Col(), rowSel = grid.RowSel(), colSel = grid.ColSel();
  // Numbers compare as numbers and come before texts, which compare as texts, as in a
  // spreadsheet; empty cells stay last in either order. Rows with equal keys keep their order.
  // Each cell's key is made once, not at every comparison.
  struct Key {
    enum Kind { Number, Text, Empty } kind;
    double number = 0;
    QCollatorSortKey text;
  };
  QCollator collator;
  collator.setNumericMode(false);
  const int keyColumns = r.c2 - r.c1 + 1;
  std::vector<Key> keys;
  keys.reserve(size_t(r.r2 - r.r1 + 1) * size_t(keyColumns));
  for (int i = r.r1; i <= r.r2; ++i) {
    for (int k = r.c1; k <= r.c2; ++k) {
      const QString cell = grid.Data().Cell(i, k);
      const auto number = NumberOf(cell);
      keys.push_back(Key{cell.isEmpty() ? Key::Empty : number ? Key::Number : Key::Text, number.value_or(0),
                         collator.sortKey(cell)});
    }
  }
  const int sign = sortOrder == SortOrder::Descending ? -1 : 1;
  const auto before = [&](int a, int b) {
    for (int k = 0; k < keyColumns; ++k) {
      const Key& x = keys[size_t(a - r.r1) * size_t(keyColumns) + size_t(k)];
      const Key& y = keys[size_t(b - r.r1) * size_t(keyColumns) + size_t(k)];
      if ((x.kind == Key::Empty) != (y.kind == Key::Empty)) return y.kind == Key::Empty;
      int c = 0;
      if (x.kind != y.kind) {
        c = x.kind == Key::Number ? -1 : 1;
      } else if (x.kind == Key::Number) {
        c = x.number < y.number ? -1 : x.number > y.number ? 1 : 0;
      } else if (x.kind == Key::Text) {
        c = x.text.compare(y.text);
      }
      if (c != 0) return sign * c < 0;
    }
    return false;
  };
  std::vector<int> order;
  for (int i = r.r1; i <= r.r2; ++i) order.push_back(i);
  std::stable_sort(order.begin(), order.end(), before);
  if (std::is_sorted(order.begin(), order.end())) return;
  std::vector<TableEditOp> ops;
  ops.emplace_back(RowOrderEdit{r.r1, PackedNumbers(order)});
  ApplyTableEdit(grid.Data(), ops.front(), true);
  grid.NotifyCellsChanged(r.r1, 1, r.r2, grid.Cols());
  grid.SetSelectionEventsOn(false);
  grid.SetSelection(row, col, rowSel, colSel);
  grid.SetSelectionEventsOn(true);
  ctx.project.projectSaved = false;
  RecordEdit(ctx, step_names::kSort, std::move(ops));
}

}  // namespace trellis
