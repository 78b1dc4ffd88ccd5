#include "tables/GridFilling.h"

#include "app/FilePaths.h"
#include "app/IniFiles.h"
#include "app/LocaleNumbers.h"
#include "app/TextFiles.h"
#include "app/WorkingFolders.h"
#include "tables/CatalogueLoading.h"
#include "tables/ColumnSpec.h"
#include "tables/Grid.h"
#include "tables/InstallationFiles.h"
#include "tables/ProjectState.h"
#include "tables/TableContext.h"
#include "tables/TableFiles.h"
#include "tables/TableHooks.h"
#include "tables/WindowModel.h"

#include <cmath>

namespace trellis {
namespace {

// The number column and the grid's borders are not available to data columns.
constexpr int kGridChromeTwips = 540;

bool HoldsWholeNumberOfAtLeastOne(const QString& text) {
  const auto value = ParseLocaleNumber(text);
  return value && *value >= 1 && std::floor(*value) == *value;
}

void SetHeaders(Grid& grid) {
  for (int k = 1; k <= grid.Cols(); ++k) grid.Data().SetHeader(k, grid.Column(k)->HeaderText());
}

}  // namespace

void ApplyColumnWidths(Grid& grid) {
  std::vector<int> widths(size_t(grid.Cols()) + 1, 0);
  qint64 sum = 0;
  int available = grid.WidthTwips() - kGridChromeTwips;
  for (int k = 1; k <= grid.Cols(); ++k) {
    const int stored = grid.Column(k)->width;
    const auto user = grid.UserWidths().find(k);
    // A column the user widened keeps its width; the others share what is left.
    if (user != grid.UserWidths().end() && stored != -1) {
      widths[size_t(k)] = user->second;
      available -= user->second;
      continue;
    }
    widths[size_t(k)] = stored == -1  ? 0
                        : stored >= 1 ? stored + 1
                                      : grid.TextWidthTwips(grid.Data().Header(k));
    sum += widths[size_t(k)];
  }
  // A grid not laid out yet has no width to fit into.
  if (available > 0 && sum > available) {
    for (int k = 1; k <= grid.Cols(); ++k) {
      if (grid.UserWidths().count(k)) continue;
      widths[size_t(k)] = int(std::lround(double(widths[size_t(k)]) * available / double(sum)));
    }
  }
  for (int k = 1; k <= grid.Cols(); ++k) grid.SetColumnWidth(k, widths[size_t(k)]);
  Q_EMIT grid.ViewChanged();
}

void DecorateColumns(Grid& grid) {
  // Check box and option cells take their look from their text when they are drawn.
  if (grid.Rows() == 1) {
    for (int k = 1; k <= grid.Cols(); ++k) {
      const ColumnSpec* c = grid.Column(k);
      if (c->editorKind == EditorKind::TextBox && c->IsIdentifier() &&
          !HoldsWholeNumberOfAtLeastOne(grid.Data().Cell(1, k))) {
        grid.Data().SetCell(1, k, u"1");
      }
    }
  }
  ApplyColumnWidths(grid);
}

void LoadTable(TableContext& ctx, Grid& grid, const QString& path, const QString& pictureFolder,
               bool popup) {
  grid.SetVisible(false);
  // A table too big to hold is shown empty and never saved over its file; the user is told.
  const QString problem = ReadTableText(grid.Data(), path);
  if (!problem.isEmpty()) ctx.window.Report1.Append(problem);
  SetHeaders(grid);
  grid.SetPictureSource(ctx.installationFolder, pictureFolder, !popup);
  DecorateColumns(grid);
  grid.SelectFirstCell();
  grid.NotifyReset();
  grid.SetVisible(true);
}

void FillGrid(TableContext& ctx, Grid& grid, const QString& key, bool popup) {
  TabStrip& tabs = ctx.window.Tabs1;
  tabs.SetEnabled(false);
  const QString ext = ctx.ini.ReadIni(key, u"Ext", TablesIniPath(ctx.installationFolder));
  grid.SetVisible(false);

  const QString descriptionFile = DescriptionFilePath(ctx.installationFolder, key);
  std::vector<ColumnSpec> columns = ReadColumnSpecs(ctx.ini, descriptionFile);
  if (!popup) TakeOverSourceLists(ctx.ini, ctx.installationFolder, columns);
  grid.SetColumns(std::move(columns));
  grid.SetUserWidths(popup ? std::map<int, int>() : ctx.tables.userColumnWidths[key]);
  SetHeaders(grid);
  for (int k = 1; k <= grid.Cols(); ++k) {
    const QString& icon = grid.Column(k)->icon;
    const QString iconFile = InstallationPath(ctx.installationFolder, QStringLiteral("bmp/ico/") + icon);
    if (!icon.isEmpty() && FileExists(iconFile)) grid.SetHeaderIcon(k, iconFile);
  }

  const QString file = WorkingFilePath(ctx, ctx.project.projectBaseName + u'.' + ext);
  if (FileExists(file)) {
    LoadTable(ctx, grid, file, key, popup);
  } else {
    grid.SetPictureSource(ctx.installationFolder, key, !popup);
    DecorateColumns(grid);
    grid.SelectFirstCell();
    grid.NotifyReset();
  }

  if (popup) {
    grid.SelectAllCells();
    grid.SelectRows(1, 1);
  } else {
    grid.SetStyledHeaders(true);
    grid.SelectFirstCell();
    ctx.hooks.ShowTableHelp(key);
  }
  ApplyColumnWidths(grid);
  ctx.hooks.UpdateGroupButtons();
  tabs.SetEnabled(true);
  grid.SetVisible(true);
  ctx.hooks.FocusGrid();
}

void fg1SelectedBmp(Grid& grid) {
  // Pictures follow the cell texts, so the row only needs to be drawn again.
  grid.NotifyCellsChanged(grid.Row(), 1, grid.Row(), grid.Cols());
}

bool SaveTable(TableContext& ctx, const QString& path) {
  return SaveTableData(ctx.window.fg1.Data(), path, ctx.writer);
}

bool SaveCurrentTable(TableContext& ctx) {
  const QString key = ctx.tables.currentTableKey;
  if (key.isEmpty()) return true;
  const int failuresBefore = ctx.writer.Failures();
  SaveTable(ctx, WorkingFilePath(ctx, TableFileName(ctx, key)));
  return ctx.writer.Failures() == failuresBefore;
}

}  // namespace trellis
