#pragma once

#include <QString>

#include <functional>

namespace trellis {

struct ErrorEntry;
class TabStrip;
struct TableContext;
class WindowModel;

// The lower area: the help page, the error list and the report, one on show at a time, chosen by
// the lower tab strip while the "Down" button is pressed.

// The lower tab strip: "Справка", "Ошибки", "Протокол", the first selected.
void BuildLowerTabs(TabStrip& tabs);

// True while the "Down" button (the lower area) is pressed.
bool LowerAreaShown(const WindowModel& window);

// A click on a lower tab: its pane is shown and the others hidden; with the error list in view
// and errors in it, status bar panel 1 says how to reach one.
void OnLowerTabClick(WindowModel& window);
// Selects the lower tab at Position and shows its pane, as a click on it does.
void SelectLowerTab(WindowModel& window, int position);

// A line added to the report while it is out of sight is announced: the report's tab shows the
// count of new lines and status bar panel 1 says where to look. Once the report is in view the
// count goes.
void NoteReportLine(WindowModel& window);
void NoteReportInView(WindowModel& window);
// The report was cleared, or seen: no new lines to announce.
void ForgetReportLines(WindowModel& window);

// The help page of a table: Help/<Help of its section>.htm in the installation, or "" when
// the table has none or the file is missing.
QString HelpPageOf(TableContext& ctx, const QString& section);

// The error line about Row and Column of the table Key: its tab number counts within the key's
// table group, and the table's name comes from Tables.ini. Row or column 0: the table only.
ErrorEntry ErrorAbout(TableContext& ctx, const QString& message, const QString& key, int row, int column);

// Goes to the table and cell an error line names: the first group, the tab, then the cell,
// which Flash marks for a moment. Row or column below 1 switch the table only. A line that knows
// its table's key opens that table's group and tab instead.
void GoToError(TableContext& ctx, const ErrorEntry& entry, const std::function<void(int, int)>& flash);

}  // namespace trellis
