#include "tables/CatalogueLoading.h"

#include "app/FilePaths.h"
#include "app/IniFiles.h"
#include "app/WorkingFolders.h"
#include "tables/ColumnSpec.h"
#include "tables/InstallationFiles.h"
#include "tables/ProjectState.h"
#include "tables/TableContext.h"
#include "tables/TableHooks.h"
#include "tables/TableOpening.h"
#include "tables/WindowModel.h"

#include <QCoreApplication>

#include <exception>

namespace trellis {
namespace {

// The group letter: the key, without "_", of the first pressed button among the leading
// button-group buttons of the left toolbar.
QString PressedGroupLetter(const Toolbar& toolbar) {
  for (int i = 1; i <= toolbar.Count() - 1; ++i) {
    const ToolButton& button = toolbar.Button(i);
    if (button.style != ButtonStyle::ButtonGroup) break;
    if (button.pressed) return QString(button.key).remove(u'_');
  }
  return QString();
}

}  // namespace

void LoadCatalogue(TableContext& ctx) {
  TabStrip& tabs = ctx.window.Tabs1;
  tabs.Clear();
  if (ctx.tables.firstCatalogueLoad) {
    tabs.ClearImages();
    ctx.tables.firstCatalogueLoad = false;
  }
  const QString tablesIni = TablesIniPath(ctx.installationFolder);
  if (!FileExists(tablesIni)) return;

  const QStringList keys = ctx.ini.ReadIni(u"Main", u"Tables", tablesIni).split(u'|');
  TableCatalogue& catalogue = ctx.tables.catalogue;
  catalogue.Clear();
  const QString letter = PressedGroupLetter(ctx.window.ToolbarLeft1);

  for (const QString& key : keys) {
    const QString ext = ctx.ini.ReadIni(key, u"Ext", tablesIni);
    if (ext.isEmpty() || QString(ext.front()) != letter) continue;

    Tab tab;
    tab.key = key;
    tab.tag = key;
    tab.tooltip = ctx.ini.ReadIni(key, u"Name", tablesIni);
    const QString bmp = ctx.ini.ReadIni(key, u"Bmp", tablesIni);
    const QString image = InstallationPath(ctx.installationFolder, QStringLiteral("bmp/") + bmp + QStringLiteral(".bmp"));
    if (!bmp.isEmpty() && FileExists(image)) {
      if (!tabs.HasImage(key)) tabs.AddImage(key, image);
      tab.image = key;
    }
    tabs.Add(tab);

    const QString descriptionFile = DescriptionFilePath(ctx.installationFolder, key);
    if (!FileExists(descriptionFile)) {
      ctx.window.Report1.Append(
          QCoreApplication::translate("CatalogueLoading",
                                      "Нет файла описания колонок таблицы \"%1\": %2")
              .arg(tab.tooltip, descriptionFile));
    }
    catalogue.TableKeys.push_back(key);
    catalogue.ColumnCounts.push_back(ColumnCount(ctx.ini, descriptionFile));
    AddTableLinks(ctx.ini, ctx.installationFolder, catalogue, catalogue.Count());
  }

  if (tabs.Count() < kTabsWithCaptions) {
    for (int i = 1; i <= tabs.Count(); ++i) tabs.SetCaption(i, tabs.At(i).tooltip);
  }
  if (tabs.Count() > 0) {
    tabs.Select(1);
    OnTabClick(ctx);
  }
}

void BuildGroupButtons(TableContext& ctx) {
  const QString tablesIni = TablesIniPath(ctx.installationFolder);
  if (!FileExists(tablesIni)) return;
  const QStringList images = ctx.ini.ReadIni(u"Ext", u"ExtBmp", tablesIni).split(u'|');
  const QStringList names = ctx.ini.ReadIni(u"Ext", u"ExtName", tablesIni).split(u'|');
  const QStringList posts = ctx.ini.ReadIni(u"Ext", u"Post", tablesIni).split(u'|');

  Toolbar& toolbar = ctx.window.ToolbarLeft1;
  toolbar.Clear();
  int groups = 0;
  for (qsizetype k = 0; k < images.size(); ++k) {
    const QString& key = images[k];
    if (key.isEmpty() || !FileExists(InstallationPath(
                             ctx.installationFolder, QStringLiteral("bmp/Left/") + key + QStringLiteral(".bmp")))) {
      continue;
    }
    ToolButton button;
    button.key = key;
    button.image = key;
    button.style = ButtonStyle::ButtonGroup;
    button.tooltip = names.value(k);
    button.tag = posts.value(k);
    // A result group is enabled by the calculation run once results exist.
    button.enabled = button.tag.trimmed() != QLatin1String("1");
    toolbar.Add(button);
    ++groups;
  }
  // A single group button gets its separator too, so that the macro buttons always follow
  // the group buttons at the same place.
  if (groups >= 1) {
    ctx.tables.firstMacroButton = groups + 1;
    ToolButton separator;
    separator.style = ButtonStyle::Separator;
    toolbar.Add(separator, ctx.tables.firstMacroButton);
    toolbar.SetPressed(1, true);
  }
}

void OnGroupButtonClick(TableContext& ctx, int position) {
  Toolbar& toolbar = ctx.window.ToolbarLeft1;
  if (position < 1 || position > toolbar.Count() || position >= ctx.tables.firstMacroButton ||
      toolbar.Button(position).style != ButtonStyle::ButtonGroup) {
    return;
  }
  if (!ctx.hooks.ConnectCad(false)) return;

  toolbar.SetPressed(position, true);
  toolbar.SetButtonEnabled(position, false);
  AllEnabled(ctx.window, false);
  ctx.window.ProgressBar1.SetVisible(true);
  ctx.hooks.ProcessEvents();
  try {
    ctx.hooks.ApplyTableSetvar();
    LoadCatalogue(ctx);
    const Tab* tab = ctx.window.Tabs1.SelectedTab();
    ctx.tables.currentTableKey = tab ? tab->tag : QString();
  } catch (const std::exception&) {
    // A failing step ends the switch; the window is enabled again below.
  }
  toolbar.SetButtonEnabled(position, true);
  AllEnabled(ctx.window, true);
  ctx.window.ProgressBar1.SetVisible(false);
}

QString TableFileName(TableContext& ctx, const QString& tableKey) {
  const QString ext = ctx.ini.ReadIni(tableKey, u"Ext", TablesIniPath(ctx.installationFolder));
  return ctx.project.projectBaseName + u'.' + ext;
}

QString WorkingFilePath(TableContext& ctx, const QString& fileName) {
  return PathIn(ctx.folders.GetWorkingFolder(), fileName);
}

QString TableFilePath(TableContext& ctx, int index) {
  if (index < 1 || index > ctx.tables.catalogue.Count()) return QString();
  return WorkingFilePath(ctx, TableFileName(ctx, ctx.tables.catalogue.TableKeys[size_t(index)]));
}

bool IsTableReadOnly(TableContext& ctx, const QString& tableKey) {
  return ctx.ini.ReadIni(tableKey, u"Edit", TablesIniPath(ctx.installationFolder)) ==
         QLatin1String("-");
}

bool IsTableReadOnly(TableContext& ctx) { return IsTableReadOnly(ctx, ctx.tables.currentTableKey); }

}  // namespace trellis
