#include "tables/CellEditing.h"

#include "app/FilePaths.h"
#include "tables/CatalogueLoading.h"
#include "tables/ColumnSpec.h"
#include "tables/Grid.h"
#include "tables/InstallationFiles.h"
#include "tables/ProjectState.h"
#include "tables/TableHooks.h"
#include "tables/TableContext.h"
#include "tables/TableUndo.h"
#include "tables/ValueLists.h"
#include "tables/WindowModel.h"

namespace trellis {
namespace {

// The picture of an image combo item: bmp/<name>.bmp, else bmp/<table key>/<name>.bmp.
QString ComboPicture(const QString& installation, const QString& tableKey, const QString& name) {
  if (name.isEmpty()) return QString();
  const QString direct = InstallationPath(installation, QStringLiteral("bmp/") + name + QStringLiteral(".bmp"));
  if (FileExists(direct)) return direct;
  const QString inTable = InstallationPath(installation, QStringLiteral("bmp/") + tableKey + u'/' + name + QStringLiteral(".bmp"));
  return FileExists(inTable) ? inTable : QString();
}

void SetMark(Grid& grid, int row, int column, bool set) {
  grid.Data().SetCell(row, column, set ? kMarkedCell : QString());
}

bool IsOptionColumn(const Grid& grid, int column) {
  const ColumnSpec* c = grid.Column(column);
  return c && c->editorKind == EditorKind::Option;
}

}  // namespace

bool IsSingleCellSelected(const Grid& grid) {
  if (grid.Row() != grid.RowSel() || grid.Col() != grid.ColSel()) return false;
  // A whole row selected starts in column 1 and ends in the last one; in a table of one data
  // column that rule refuses the single cell too.
  return !(grid.Col() == 1 && grid.ColSel() == grid.Cols());
}

CellEditAction ChooseCellEditor(TableContext& ctx, int kind) {
  Grid& grid = ctx.window.fg1;
  if (!IsSingleCellSelected(grid)) return CellEditAction::None;
  if (IsTableReadOnly(ctx)) return CellEditAction::RunClick;
  const ColumnSpec* column = grid.Column(grid.Col());
  switch (kind) {
    case int(EditorKind::TextBox):
      return column && column->editable ? CellEditAction::TextBox : CellEditAction::None;
    case int(EditorKind::EditableCombo): return CellEditAction::EditableCombo;
    case int(EditorKind::DropDownList): return CellEditAction::DropDownList;
    case int(EditorKind::ImageCombo): return CellEditAction::ImageCombo;
    case int(EditorKind::ValueListPopup): return CellEditAction::ValueListPopup;
    default: return CellEditAction::None;
  }
}

bool ToggleMarkCell(TableContext& ctx) {
  Grid& grid = ctx.window.fg1;
  if (!grid.SelectionEventsOn() || !IsSingleCellSelected(grid) || IsTableReadOnly(ctx)) return false;
  const int row = grid.Row(), column = grid.Col();
  const ColumnSpec* spec = grid.Column(column);
  if (!spec) return false;
  const bool set = !grid.Data().IsCellEmpty(row, column);
  if (spec->editorKind != EditorKind::CheckBox && spec->editorKind != EditorKind::Option) return false;
  CellBlockEdit edit = StartCellBlock(grid.Data(), row, 1, row, grid.Cols());
  if (spec->editorKind == EditorKind::CheckBox || set) {
    SetMark(grid, row, column, !set);
    grid.NotifyCellsChanged(row, column, row, column);
    ctx.project.projectSaved = false;
    RecordCellBlock(ctx, step_names::kMark, std::move(edit));
    return true;
  }
  // Choosing an option clears the options of the adjacent option columns on both sides.
  SetMark(grid, row, column, true);
  int right = column + 1;
  for (; IsOptionColumn(grid, right); ++right) SetMark(grid, row, right, false);
  int left = column - 1;
  for (; left >= 1 && IsOptionColumn(grid, left); --left) SetMark(grid, row, left, false);
  grid.SelectCell(row, column);
  grid.NotifyCellsChanged(row, std::max(left, 1), row, std::min(right, grid.Cols()));
  ctx.project.projectSaved = false;
  RecordCellBlock(ctx, step_names::kMark, std::move(edit));
  ctx.hooks.FocusGrid();
  return true;
}

ImageComboContent BuildImageCombo(TableContext& ctx) {
  Grid& grid = ctx.window.fg1;
  ImageComboContent content;
  const ColumnSpec* column = grid.Column(grid.Col());
  if (!column) return content;
  const QStringList items = column->list.split(u'|');
  const QStringList pictures = column->listBmp.split(u'|');
  const QString cell = grid.Data().Cell(grid.Row(), grid.Col());
  for (qsizetype i = 0; i < items.size(); ++i) {
    content.items.push_back(ImageComboItem{
        items[i], ComboPicture(ctx.installationFolder, ctx.tables.currentTableKey, pictures.value(i))});
    if (content.selected < 0 && items[i] + kImageItemSuffix == cell) content.selected = int(i);
  }
  if (content.selected >= 0) return content;
  if (!column->editable) {
    content.clearText = true;
  } else if (!cell.isEmpty()) {
    // A value that is not in the list stays choosable: it becomes an item of its own.
    QString text = cell;
    if (text.endsWith(kImageItemSuffix)) text.chop(kImageItemSuffix.size());
    const QString picture = GetListPicture(cell, ctx.tables.currentTableKey, column->list,
                                           column->listBmp, ctx.installationFolder);
    content.items.push_back(ImageComboItem{text, picture});
    content.selected = int(content.items.size()) - 1;
  }
  return content;
}

void WriteEditorText(TableContext& ctx, CellEditAction editor, const QString& text) {
  Grid& grid = ctx.window.fg1;
  const QString value = editor == CellEditAction::ImageCombo ? text + kImageItemSuffix : text;
  CellBlockEdit edit = StartCellBlock(grid.Data(), grid.Row(), grid.Col(), grid.Row(), grid.Col());
  grid.Data().SetCell(grid.Row(), grid.Col(), value);
  grid.NotifyCellsChanged(grid.Row(), grid.Col(), grid.Row(), grid.Col());
  ctx.project.projectSaved = false;
  RecordCellBlock(ctx, step_names::kTyping, std::move(edit));
}

void EditorEnter(TableContext& ctx, CellEditAction editor, const QString& text) {
  Grid& grid = ctx.window.fg1;
  WriteEditorText(ctx, editor, text);
  if (grid.Row() < grid.Rows()) grid.SelectCell(grid.Row() + 1, grid.Col());
}

bool EditorTab(TableContext& ctx, CellEditAction editor, const QString& text) {
  Grid& grid = ctx.window.fg1;
  const bool write = !text.isEmpty();
  if (write) WriteEditorText(ctx, editor, text);
  if (grid.Col() < grid.Cols()) grid.SelectCell(grid.Row(), grid.Col() + 1);
  return write;
}

}  // namespace trellis
