#include "tables/TableUndo.h"

#include "app/FilePaths.h"
#include "tables/CatalogueLoading.h"
#include "tables/GridFilling.h"
#include "tables/ProjectState.h"
#include "tables/TableContext.h"
#include "tables/TableFiles.h"
#include "tables/TableHooks.h"
#include "tables/Toolbar.h"
#include "tables/ValueChecks.h"
#include "tables/WindowModel.h"

#include <QCoreApplication>

namespace trellis {
namespace {

QString ShownExtension(const TableContext& ctx) { return ExtensionOf(ctx.tables.loadedTableFile); }

bool ChangesNothing(const TableEditOp& op) {
  if (const auto* block = std::get_if<CellBlockEdit>(&op)) return block->before == block->after;
  if (const auto* set = std::get_if<RowSetEdit>(&op)) return set->rows.empty();
  return std::get<RowOrderEdit>(op).order.Size() == 0;
}

// Every change to the shown table passes here: its values are checked again where it changed,
// or everywhere when rows moved.
void RecheckEdited(TableContext& ctx, const std::vector<TableEditOp>& ops) {
  for (const TableEditOp& op : ops) {
    if (!std::holds_alternative<CellBlockEdit>(op)) return RecheckAllValues(ctx);
  }
  for (const TableEditOp& op : ops) {
    const EditPlace place = PlaceOfEdit(op, ctx.window.fg1.Cols());
    RecheckValues(ctx, place.row, place.column, place.lastRow, place.lastColumn);
  }
}

void ApplyOps(TableData& data, const std::vector<TableEditOp>& ops, bool forward) {
  if (forward) {
    for (const TableEditOp& op : ops) ApplyTableEdit(data, op, true);
  } else {
    for (auto it = ops.rbegin(); it != ops.rend(); ++it) ApplyTableEdit(data, *it, false);
  }
}

// The shown table changes in the grid, which then shows the first place the step touched.
void ApplyToGrid(TableContext& ctx, const TableEditList& table, bool forward) {
  Grid& grid = ctx.window.fg1;
  const int rowsBefore = grid.Rows();
  ApplyOps(grid.Data(), table.ops, forward);
  if (grid.Rows() != rowsBefore) ApplyColumnWidths(grid);
  grid.NotifyReset();
  RecheckEdited(ctx, table.ops);
  const EditPlace place = PlaceOfEdit(forward ? table.ops.back() : table.ops.front(), grid.Cols());
  grid.SetSelectionEventsOn(false);
  grid.SetSelection(place.row, place.column, place.lastRow, place.lastColumn);
  grid.EnsureRowVisible(grid.Row());
  ctx.hooks.RefreshShowSelect();
  grid.SetSelectionEventsOn(true);
}

// Another table changes in its working file; false when the file cannot be read whole (the
// report says why, and the file is left alone).
bool ApplyToFile(TableContext& ctx, const TableEditList& table, bool forward) {
  const QString path = WorkingFilePath(ctx, ctx.project.projectBaseName + u'.' + table.extension);
  TableData& data = ctx.tables.fgTable;
  const QString problem = LoadScratchTable(data, path, table.columns + 1);
  if (!problem.isEmpty()) {
    ctx.window.Report1.Append(problem);
    return false;
  }
  ApplyOps(data, table.ops, forward);
  SaveScratchTable(data, path, ctx.writer);
  return true;
}

bool ApplyStep(TableContext& ctx, const EditStep* step, bool forward) {
  if (!step) return false;
  const QString shown = ShownExtension(ctx);
  bool filesChanged = false, complete = true;
  const auto apply = [&](const TableEditList& table) {
    if (table.ops.empty()) return;
    if (table.extension.compare(shown, Qt::CaseInsensitive) == 0) {
      ApplyToGrid(ctx, table, forward);
    } else {
      complete = ApplyToFile(ctx, table, forward) && complete;
      filesChanged = true;
    }
  };
  if (forward) {
    for (const TableEditList& table : step->tables) apply(table);
  } else {
    for (auto it = step->tables.rbegin(); it != step->tables.rend(); ++it) apply(*it);
  }
  // The working files then agree with one another, as the command left them.
  if (filesChanged) SaveCurrentTable(ctx);
  ctx.project.projectSaved = false;
  QString told = (forward ? QCoreApplication::translate("TableUndo", "Повторено: ")
                          : QCoreApplication::translate("TableUndo", "Отменено: ")) +
                 step->name;
  if (!complete) {
    told += QCoreApplication::translate("TableUndo", " (не во всех таблицах — см. протокол)");
  }
  ctx.window.StatusBar1.SetPanel(1, told);
  return true;
}

}  // namespace

void RecordEdit(TableContext& ctx, const char* name, std::vector<TableEditOp> shownOps,
                std::vector<TableEditList> linked) {
  std::erase_if(shownOps, ChangesNothing);
  RecheckEdited(ctx, shownOps);
  if (shownOps.empty() && linked.empty()) return;
  EditStep step;
  step.name = QCoreApplication::translate("TableUndo", name);
  step.tables.push_back(TableEditList{ShownExtension(ctx), ctx.window.fg1.Cols(), std::move(shownOps)});
  for (TableEditList& table : linked) step.tables.push_back(std::move(table));
  ctx.tables.history.Push(std::move(step));
}

void RecordCellBlock(TableContext& ctx, const char* name, CellBlockEdit block) {
  FinishCellBlock(block, ctx.window.fg1.Data());
  std::vector<TableEditOp> ops;
  ops.emplace_back(std::move(block));
  RecordEdit(ctx, name, std::move(ops));
}

bool UndoEdit(TableContext& ctx) { return ApplyStep(ctx, ctx.tables.history.TakeUndo(), false); }

bool RedoEdit(TableContext& ctx) { return ApplyStep(ctx, ctx.tables.history.TakeRedo(), true); }

void ShowHistoryOnToolbar(Toolbar& toolbar, const EditHistory& history) {
  const auto show = [&toolbar](const QString& key, const QString& action, const QString& keys, const QString& step) {
    const int position = toolbar.Find(key);
    if (position < 1) return;
    ToolButton button = toolbar.Button(position);
    button.enabled = !step.isEmpty();
    button.tooltip = step.isEmpty() ? QStringLiteral("%1 (%2)").arg(action, keys)
                                    : QStringLiteral("%1: %2 (%3)").arg(action, step, keys);
    toolbar.Replace(position, std::move(button));
  };
  // The buttons' own names, as the main toolbar gives them.
  show(QStringLiteral("undo"), QCoreApplication::translate("MainToolbar", "Отменить"),
       QStringLiteral("Ctrl+Z"), history.UndoName());
  show(QStringLiteral("redo"), QCoreApplication::translate("MainToolbar", "Повторить"),
       QStringLiteral("Ctrl+Y"), history.RedoName());
}

}  // namespace trellis
