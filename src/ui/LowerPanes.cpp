#include "ui/LowerPanes.h"

#include "app/FilePaths.h"
#include "app/IniFiles.h"
#include "app/LocaleNumbers.h"
#include "tables/CatalogueLoading.h"
#include "tables/InstallationFiles.h"
#include "tables/TableContext.h"
#include "tables/TableOpening.h"
#include "tables/WindowModel.h"

namespace trellis {

QString HelpPageOf(TableContext& ctx, const QString& section) {
  const QString help = ctx.ini.ReadIni(section, u"Help", TablesIniPath(ctx.installationFolder));
  const QString page = InstallationPath(ctx.installationFolder, QStringLiteral("Help/") + help + QStringLiteral(".htm"));
  return !help.isEmpty() && FileExists(page) ? page : QString();
}

void GoToError(TableContext& ctx, const ErrorEntry& entry, const std::function<void(int, int)>& flash) {
  Toolbar& left = ctx.window.ToolbarLeft1;
  if (left.Count() >= 1 && !left.Button(1).pressed) OnGroupButtonClick(ctx, 1);

  TabStrip& tabs = ctx.window.Tabs1;
  const int tab = ParseLocaleWholeNumber(entry.tabNumber).value_or(0);
  if (tab >= 1 && tab <= tabs.Count() && tabs.Selected() != tab) {
    tabs.Select(tab);
    OnTabClick(ctx);
  }
  const int row = ParseLocaleWholeNumber(entry.row).value_or(0);
  const int column = ParseLocaleWholeNumber(entry.column).value_or(0);
  if (row >= 1 && column >= 1) {
    ctx.window.fg1.GoToCell(row, column);
    if (flash) flash(row, column);
  }
}

}  // namespace trellis
