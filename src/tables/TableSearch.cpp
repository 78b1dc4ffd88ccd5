#include "tables/TableSearch.h"

#include "tables/CatalogueLoading.h"
#include "tables/Grid.h"
#include "tables/ProjectState.h"
#include "tables/RowOperations.h"
#include "tables/TableContext.h"
#include "tables/TableUndo.h"
#include "tables/ValueLists.h"
#include "tables/WindowModel.h"

namespace trellis {
namespace {

QString ShownText(const Grid& grid, int row, int column) {
  QString text = grid.Data().Cell(row, column);
  const ColumnSpec* c = grid.Column(column);
  if (c && c->editorKind == EditorKind::ImageCombo && text.endsWith(kImageItemSuffix)) {
    text.chop(kImageItemSuffix.size());
  }
  return text;
}

Qt::CaseSensitivity CaseOf(const SearchRequest& request) {
  return request.matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
}

// The text a matching cell gets, as a paste would store it; nothing when the column does not
// take text or the cell does not match.
std::optional<QString> Replaced(const Grid& grid, int row, int column, const SearchRequest& request,
                                const QString& replacement) {
  const QString shown = ShownText(grid, row, column);
  if (!CellMatches(shown, request)) return std::nullopt;
  QString text = shown;
  if (request.wholeCell) {
    text = replacement;
  } else {
    text.replace(request.text, replacement, CaseOf(request));
  }
  return PastedValue(*grid.Column(column), text, false);
}

}  // namespace

bool CellMatches(const QString& shownText, const SearchRequest& request) {
  if (request.text.isEmpty()) return false;
  return request.wholeCell ? shownText.compare(request.text, CaseOf(request)) == 0
                           : shownText.contains(request.text, CaseOf(request));
}

std::optional<CellPlace> FindNextCell(const Grid& grid, const SearchRequest& request, CellPlace after) {
  const qint64 cells = qint64(grid.Rows()) * grid.Cols();
  if (cells == 0 || request.text.isEmpty()) return std::nullopt;
  qint64 start = qint64(std::clamp(after.row, 1, grid.Rows()) - 1) * grid.Cols() +
                 (std::clamp(after.column, 1, grid.Cols()) - 1);
  for (qint64 step = 1; step <= cells; ++step) {
    const qint64 at = (start + step) % cells;
    const int row = int(at / grid.Cols()) + 1, column = int(at % grid.Cols()) + 1;
    if (!grid.IsColumnHidden(column) && CellMatches(ShownText(grid, row, column), request)) {
      return CellPlace{row, column};
    }
  }
  return std::nullopt;
}

bool ReplaceInCurrentCell(TableContext& ctx, const SearchRequest& request, const QString& replacement) {
  Grid& grid = ctx.window.fg1;
  if (IsTableReadOnly(ctx)) return false;
  const int row = grid.Row(), column = grid.Col();
  const std::optional<QString> text = Replaced(grid, row, column, request, replacement);
  if (!text || *text == grid.Data().Cell(row, column)) return false;
  CellBlockEdit edit = StartCellBlock(grid.Data(), row, column, row, column);
  grid.Data().SetCell(row, column, *text);
  grid.NotifyCellsChanged(row, column, row, column);
  ctx.project.projectSaved = false;
  RecordCellBlock(ctx, step_names::kReplace, std::move(edit));
  return true;
}

int ReplaceAll(TableContext& ctx, const SearchRequest& request, const QString& replacement) {
  Grid& grid = ctx.window.fg1;
  if (IsTableReadOnly(ctx)) return 0;
  std::vector<TableEditOp> ops;
  for (int row = 1; row <= grid.Rows(); ++row) {
    for (int column = 1; column <= grid.Cols(); ++column) {
      const std::optional<QString> text = Replaced(grid, row, column, request, replacement);
      if (!text || *text == grid.Data().Cell(row, column)) continue;
      CellBlockEdit edit = StartCellBlock(grid.Data(), row, column, row, column);
      grid.Data().SetCell(row, column, *text);
      FinishCellBlock(edit, grid.Data());
      ops.emplace_back(std::move(edit));
    }
  }
  const int count = int(ops.size());
  if (count == 0) return 0;
  grid.NotifyCellsChanged(1, 1, grid.Rows(), grid.Cols());
  ctx.project.projectSaved = false;
  RecordEdit(ctx, step_names::kReplace, std::move(ops));
  return count;
}

}  // namespace trellis
