#include "tables/LowerPanes.h"

#include "app/FilePaths.h"
#include "app/IniFiles.h"
#include "app/LocaleNumbers.h"
#include "tables/CatalogueLoading.h"
#include "tables/InstallationFiles.h"
#include "tables/TableContext.h"
#include "tables/TableOpening.h"
#include "tables/WindowModel.h"

#include <QCoreApplication>

namespace trellis {
namespace {

const QString kReportPane = QStringLiteral("Report");

QString ReportCaption() {
  return QCoreApplication::translate("LowerPanes", "Протокол");
}

QString ReportNotice(int count) {
  return QCoreApplication::translate(
             "LowerPanes",
             "Новые строки в протоколе: %1. Они на вкладке \"%2\" внизу окна "
             "(кнопка \"Нижние вкладки\")")
      .arg(count)
      .arg(ReportCaption());
}

int ReportTab(const WindowModel& window) {
  for (int i = 1; i <= window.Tabs2.Count(); ++i) {
    if (window.Tabs2.At(i).image == kReportPane) return i;
  }
  return 0;
}

}  // namespace

void BuildLowerTabs(TabStrip& tabs) {
  tabs.Clear();
  tabs.Add(Tab{QStringLiteral("Help"), QCoreApplication::translate("LowerPanes", "Справка"),
               QString(), QString(), QStringLiteral("Help")});
  tabs.Add(Tab{QStringLiteral("Err"), QCoreApplication::translate("LowerPanes", "Ошибки"),
               QString(), QString(), QStringLiteral("Err")});
  tabs.Add(Tab{kReportPane, ReportCaption(), QString(), QString(), kReportPane});
  tabs.Select(1);
}

bool LowerAreaShown(const WindowModel& window) {
  const int down = window.Toolbar1.Find(QStringLiteral("Down"));
  return down > 0 && window.Toolbar1.Button(down).pressed;
}

void OnLowerTabClick(WindowModel& window) {
  const Tab* tab = window.Tabs2.SelectedTab();
  window.lowerPanes.Show(tab ? tab->image : QString());
  const bool errorsShown = window.lowerPanes.Shown() == QLatin1String("Err");
  const std::vector<ErrorEntry> entries = errorsShown ? window.fg2.Entries() : std::vector<ErrorEntry>();
  if (!entries.empty() && !entries.front().message.isEmpty()) {
    window.StatusBar1.SetPanel(
        1, QCoreApplication::translate("LowerPanes",
                                       "Для показа ошибки выберите строку таблицы Ошибки"));
  } else if (!errorsShown) {
    window.StatusBar1.SetPanel(1, QString());
  }
  NoteReportInView(window);
}

void SelectLowerTab(WindowModel& window, int position) {
  window.Tabs2.Select(position);
  OnLowerTabClick(window);
}

void NoteReportLine(WindowModel& window) {
  if (LowerAreaShown(window) && window.lowerPanes.Shown() == kReportPane) return;
  const int count = window.lowerPanes.UnseenReportLines() + 1;
  window.lowerPanes.SetUnseenReportLines(count);
  if (const int tab = ReportTab(window)) {
    window.Tabs2.SetCaption(tab, QStringLiteral("%1 (%2)").arg(ReportCaption()).arg(count));
  }
  window.StatusBar1.SetPanel(1, ReportNotice(count));
}

void NoteReportInView(WindowModel& window) {
  if (LowerAreaShown(window) && window.lowerPanes.Shown() == kReportPane) ForgetReportLines(window);
}

void ForgetReportLines(WindowModel& window) {
  const int count = window.lowerPanes.UnseenReportLines();
  if (count == 0) return;
  window.lowerPanes.SetUnseenReportLines(0);
  if (const int tab = ReportTab(window)) window.Tabs2.SetCaption(tab, ReportCaption());
  // Only the notice of these lines goes; whatever the status bar told since stays.
  if (window.StatusBar1.Panel(1) == ReportNotice(count)) window.StatusBar1.SetPanel(1, QString());
}

QString HelpPageOf(TableContext& ctx, const QString& section) {
  const QString help = ctx.ini.ReadIni(section, u"Help", TablesIniPath(ctx.installationFolder));
  const QString page = InstallationPath(ctx.installationFolder, QStringLiteral("Help/") + help + QStringLiteral(".htm"));
  return !help.isEmpty() && FileExists(page) ? page : QString();
}

ErrorEntry ErrorAbout(TableContext& ctx, const QString& message, const QString& key, int row, int column) {
  const QString tablesIni = TablesIniPath(ctx.installationFolder);
  const QString letter = ctx.ini.ReadIni(key, u"Ext", tablesIni).left(1);
  int tab = 0;
  for (const QString& other : ctx.ini.ReadIni(u"Main", u"Tables", tablesIni).split(u'|')) {
    if (!letter.isEmpty() && ctx.ini.ReadIni(other, u"Ext", tablesIni).left(1) == letter) ++tab;
    if (other == key) break;
  }
  const auto number = [](int n) { return n >= 1 ? QString::number(n) : QString(); };
  return ErrorEntry{message, number(letter.isEmpty() ? 0 : tab), ctx.ini.ReadIni(key, u"Name", tablesIni),
                    number(row), number(column), key};
}

namespace {

// The group button of a table: the one whose key, without "_", is the first letter of the
// table's extension; 0 when none is.
int GroupButtonOf(TableContext& ctx, const QString& key) {
  const QString letter = ctx.ini.ReadIni(key, u"Ext", TablesIniPath(ctx.installationFolder)).left(1);
  const Toolbar& left = ctx.window.ToolbarLeft1;
  for (int i = 1; i < ctx.tables.firstMacroButton && i <= left.Count(); ++i) {
    if (!letter.isEmpty() && QString(left.Button(i).key).remove(u'_') == letter) return i;
  }
  return 0;
}

}  // namespace

void GoToError(TableContext& ctx, const ErrorEntry& entry, const std::function<void(int, int)>& flash) {
  Toolbar& left = ctx.window.ToolbarLeft1;
  const int group = entry.tableKey.isEmpty() ? 1 : GroupButtonOf(ctx, entry.tableKey);
  if (group >= 1 && group <= left.Count() && !left.Button(group).pressed) OnGroupButtonClick(ctx, group);

  TabStrip& tabs = ctx.window.Tabs1;
  int tab = ParseLocaleWholeNumber(entry.tabNumber).value_or(0);
  if (!entry.tableKey.isEmpty()) {
    tab = 0;
    for (int i = 1; i <= tabs.Count(); ++i) {
      if (tabs.At(i).tag == entry.tableKey) tab = i;
    }
    if (tab == 0) return;
  }
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
