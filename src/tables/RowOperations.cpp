#include "tables/RowOperations.h"

#include "app/AppIdentity.h"
#include "app/LocaleNumbers.h"
#include "app/Prompter.h"
#include "tables/CatalogueLoading.h"
#include "tables/GridFilling.h"
#include "tables/ProjectState.h"
#include "tables/TableContext.h"
#include "tables/TableHooks.h"
#include "tables/TableLinkMaintenance.h"
#include "tables/ValueLists.h"
#include "tables/WindowModel.h"

#include <algorithm>
#include <cmath>
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

}  // namespace

void AddRow(TableContext& ctx) {
  Grid& grid = ctx.window.fg1;
  const int row = grid.Rows() + 1;
  grid.Data().InsertRows(row, 1);
  DecorateColumns(grid);
  int col = grid.Col();
  for (int k = 1; k <= grid.Cols(); ++k) {
    const ColumnSpec* c = grid.Column(k);
    if (c->editorKind != EditorKind::TextBox || !c->IsIdentifier()) continue;
    const auto previous = ParseLocaleWholeNumber(grid.Data().Cell(row - 1, k));
    if (!previous) continue;
    grid.Data().SetCell(row, k, QString::number(qint64(*previous) + 1));
    col = k;
  }
  if (grid.Cols() >= 2) col = 2;
  grid.NotifyReset();
  ctx.project.projectSaved = false;
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
  const MessageAnswer answer = prompter.Ask(Message{QStringLiteral("Удалить выбранные записи?"), QString(),
                                                    MessageButtons::YesNoCancel, MessageIcon::None});
  if (answer != MessageAnswer::Yes) return false;

  grid.Data().RemoveRows(first, last - first + 1);
  ctx.project.projectSaved = false;
  SaveCurrentTable(ctx);
  ApplyColumnWidths(grid);
  grid.NotifyReset();
  grid.SetSelectionEventsOn(false);
  ctx.hooks.RefreshShowSelect();
  FinishOnRow(grid, grid.Rows(), grid.Cols() >= 2 ? 2 : grid.Col());
  grid.SetSelectionEventsOn(false);
  ctx.hooks.FocusGrid();
  DeleteNoLink(ctx);
  ctx.hooks.RunTableHook(QStringLiteral("MacrosDel"));
  grid.SetSelectionEventsOn(true);
  return true;
}

void ClearSelection(TableContext& ctx) {
  // Left open by the rules of the table and chosen here: a read-only table and the numbers
  // that identify rows are not the user's to clear, as they are not the user's to paste over.
  if (IsTableReadOnly(ctx)) return;
  Grid& grid = ctx.window.fg1;
  const Range r = SelectedRange(grid);
  for (int col = r.c1; col <= r.c2; ++col) {
    const ColumnSpec* c = grid.Column(col);
    if (!c || c->IsNumbered()) continue;
    for (int row = r.r1; row <= r.r2; ++row) grid.Data().SetCell(row, col, QString());
  }
  grid.NotifyCellsChanged(r.r1, r.c1, r.r2, r.c2);
  ctx.project.projectSaved = false;
}

ClipboardText CopySelection(const Grid& grid) {
  const Range r = SelectedRange(grid);
  QStringList lines;
  QString html = QStringLiteral("<table>");
  for (int row = r.r1; row <= r.r2; ++row) {
    QStringList cells;
    html += QStringLiteral("<tr>");
    for (int col = r.c1; col <= r.c2; ++col) {
      cells << grid.Data().Cell(row, col);
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
  ClearSelection(ctx);
  return copied;
}

bool PasteClipboard(TableContext& ctx, const QString& clipboard) {
  Grid& grid = ctx.window.fg1;
  const Range r = SelectedRange(grid);
  // Spreadsheets end what they copy with a line end, in CR LF or LF alone.
  QString text = clipboard;
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\r")).replace(u'\n', u'\r');
  if (text.endsWith(u'\r')) text.chop(1);

  for (int col = r.c1; col <= r.c2; ++col) {
    const ColumnSpec* c = grid.Column(col);
    if (!c) return false;
    switch (c->editorKind) {
      case EditorKind::TextBox:
      case EditorKind::EditableCombo:
        if (!c->editable || c->IsNumbered()) return false;
        break;
      case EditorKind::DropDownList:
      case EditorKind::ImageCombo:
        if (!c->editable && !IsInList(text, c->list)) return false;
        break;
      default:
        break;
    }
  }
  const QStringList lines = text.split(u'\r');
  for (int i = 0; i < lines.size() && r.r1 + i <= r.r2; ++i) {
    const QStringList parts = lines[i].split(u'\t');
    for (int j = 0; j < parts.size() && r.c1 + j <= r.c2; ++j) {
      grid.Data().SetCell(r.r1 + i, r.c1 + j, parts[j]);
    }
  }
  grid.NotifyCellsChanged(r.r1, r.c1, r.r2, r.c2);
  ctx.project.projectSaved = false;
  ctx.hooks.FocusGrid();
  return true;
}

void SortSelection(TableContext& ctx) {
  Grid& grid = ctx.window.fg1;
  const Range r = SelectedRange(grid);
  const int row = grid.Row(), col = grid.Col(), rowSel = grid.RowSel(), colSel = grid.ColSel();
  std::vector<int> order;
  for (int i = 1; i <= grid.Rows(); ++i) order.push_back(i);
  // Numbers go first, the largest on top; texts that are not numbers follow in their old
  // order. Rows with equal keys keep their order too.
  const auto before = [&](int a, int b) {
    for (int k = r.c1; k <= r.c2; ++k) {
      const auto x = NumberOf(grid.Data().Cell(a, k));
      const auto y = NumberOf(grid.Data().Cell(b, k));
      if (x.has_value() != y.has_value()) return x.has_value();
      if (x && *x != *y) return *x > *y;
    }
    return false;
  };
  std::stable_sort(order.begin() + (r.r1 - 1), order.begin() + r.r2, before);
  const bool reordered = !std::is_sorted(order.begin(), order.end());
  grid.Data().ReorderRows(order);
  grid.NotifyCellsChanged(r.r1, 1, r.r2, grid.Cols());
  grid.SetSelectionEventsOn(false);
  grid.SetSelection(row, col, rowSel, colSel);
  grid.SetSelectionEventsOn(true);
  // A new order is a change to save.
  if (reordered) ctx.project.projectSaved = false;
}

}  // namespace trellis
