#include "cad/CadTableContext.h"

#include "app/IniFiles.h"
#include "tables/InstallationFiles.h"
#include "tables/WindowModel.h"

namespace trellis {

QString CurrentTableKeyValue(const TableContext& ctx, const QString& key) {
  const Tab* tab = ctx.window.Tabs1.SelectedTab();
  if (!tab) return QString();
  return ctx.ini.ReadIni(tab->tag, key, TablesIniPath(ctx.installationFolder));
}

}  // namespace trellis
