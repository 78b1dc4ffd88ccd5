#include "tables/TableOpening.h"

#include "app/FilePaths.h"
#include "app/IniFiles.h"
#include "app/TextFiles.h"
#include "app/WorkingFolders.h"
#include "tables/CatalogueLoading.h"
#include "tables/GridFilling.h"
#include "tables/InstallationFiles.h"
#include "tables/LowerPanes.h"
#include "tables/ProjectState.h"
#include "tables/TableContext.h"
#include "tables/TableHooks.h"
#include "tables/TableLinkMaintenance.h"
#include "tables/ValueChecks.h"
#include "tables/WindowModel.h"

namespace trellis {
namespace {

// The key of the catalogue table whose Ext is the extension of a working file name.
QString TableKeyOfFile(TableContext& ctx, const QString& fileName) {
  const QString tablesIni = TablesIniPath(ctx.installationFolder);
  const QString ext = ExtensionOf(fileName);
  for (const QString& key : ctx.ini.ReadIni(u"Main", u"Tables", tablesIni).split(u'|')) {
    if (!key.isEmpty() && ctx.ini.ReadIni(key, u"Ext", tablesIni).compare(ext, Qt::CaseInsensitive) == 0) {
      return key;
    }
  }
  return QString();
}

// A working file of the current project: its base name, a full stop and an extension.
bool BelongsToProject(const QString& fileName, const QString& baseName) {
  return fileName.startsWith(baseName + u'.') &&
         fileName.size() == baseName.size() + 1 + ExtensionOf(fileName).size();
}

}  // namespace

void LeaveLoadedTable(TableContext& ctx, const QString& nextTableFile) {
  const QString loaded = ctx.tables.loadedTableFile;
  if (loaded == nextTableFile) return;
  const QString loadedKey = TableKeyOfFile(ctx, loaded);
  if (BelongsToProject(loaded, ctx.project.projectBaseName) &&
      !(loadedKey.isEmpty() ? false : IsTableReadOnly(ctx, loadedKey))) {
    SaveTable(ctx, WorkingFilePath(ctx, loaded));
  }
  ctx.tables.loadedTableFile = nextTableFile;
}

void OpenCurrentTable(TableContext& ctx) {
  AllEnabled(ctx.window, false);
  ctx.hooks.ApplyTableSetvar();
  ctx.hooks.ProcessEvents();
  ctx.hooks.BuildTableToolbar();
  ctx.hooks.ProcessEvents();
  LeaveLoadedTable(ctx, TableFileName(ctx, ctx.tables.currentTableKey));
  ctx.hooks.ApplyToolbarSize();
  FillGrid(ctx, ctx.window.fg1, ctx.tables.currentTableKey, false);
  if (ctx.writer.TableFileWritten()) {
    if (UpdateLinks(ctx)) {
      ctx.hooks.Pause(0.05f);
      FillGrid(ctx, ctx.window.fg1, ctx.tables.currentTableKey, false);
    }
    ctx.writer.ClearTableFileWritten();
  }
  ctx.tables.valueChecks.Load(ctx);
  ctx.window.fg1.SetValueProblemSource([&checks = ctx.tables.valueChecks, &grid = ctx.window.fg1](int row, int column) {
    return checks.Problem(grid, row, column);
  });
  RecheckAllValues(ctx);
  AllEnabled(ctx.window, true);
  ctx.window.fg1.SetSelectionEventsOn(false);
  ctx.hooks.RefreshShowSelect();
  ctx.hooks.RunTableHook(QStringLiteral("MacrosStart"));
  ctx.window.fg1.SetSelectionEventsOn(true);
}

void OnTabClick(TableContext& ctx) {
  WindowModel& window = ctx.window;
  AllEnabled(window, false);
  if (!LowerAreaShown(window)) SelectLowerTab(window, 1);

  TabStrip& tabs = window.Tabs1;
  // The tab being left loses its title when the tabs show images.
  if (tabs.Count() >= kTabsWithCaptions) {
    for (int i = 1; i <= tabs.Count(); ++i) {
      if (i != tabs.Selected()) tabs.SetCaption(i, QString());
    }
  }
  UpdateCaption(window, ctx.project);

  const Tab* tab = tabs.SelectedTab();
  ctx.tables.currentTableKey = tab ? tab->tag : QString();
  if (!ctx.tables.lastOpenedTableKey.isEmpty() &&
      ctx.tables.lastOpenedTableKey == ctx.tables.currentTableKey) {
    ctx.hooks.FocusGrid();
    AllEnabled(window, true);
    return;
  }
  ctx.tables.lastOpenedTableKey = ctx.tables.currentTableKey;
  OpenCurrentTable(ctx);
  ctx.hooks.ProcessEvents();
  AllEnabled(window, true);
}

}  // namespace trellis
