#pragma once

#include "tables/Grid.h"
#include "tables/TabStrip.h"
#include "tables/Toolbar.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <map>
#include <utility>
#include <vector>

namespace trellis {

struct ProjectState;

class ProgressBar : public QObject {
  Q_OBJECT
 public:
  bool Visible() const { return visible_; }
  void SetVisible(bool visible) {
    visible_ = visible;
    Q_EMIT Changed();
  }
 Q_SIGNALS:
  void Changed();

 private:
  bool visible_ = false;
};

// The report pane's lines: what went wrong quietly (a copy that stopped, a file that could not
// be read) is noted here, so nothing fails unseen.
class ReportLog : public QObject {
  Q_OBJECT
 public:
  const QStringList& Lines() const { return lines_; }
  void Append(const QString& line) {
    lines_ << line;
    Q_EMIT Appended(line);
  }
  void Clear() {
    lines_.clear();
    Q_EMIT Cleared();
  }
 Q_SIGNALS:
  void Appended(const QString& line);
  void Cleared();

 private:
  QStringList lines_;
};

// The status bar's four panels (from 1): messages, a progress caption, its figure, and "STOP".
class StatusBar : public QObject {
  Q_OBJECT
 public:
  static constexpr int kPanels = 4;
  QString Panel(int panel) const { return panel >= 1 && panel <= kPanels ? panels_[panel - 1] : QString(); }
  void SetPanel(int panel, const QString& text) {
    if (panel < 1 || panel > kPanels) return;
    panels_[panel - 1] = text;
    Q_EMIT Changed(panel);
  }
 Q_SIGNALS:
  void Changed(int panel);

 private:
  QString panels_[kPanels] = {{}, {}, {}, QStringLiteral("STOP")};
};

// One line of the error list as its cells hold it: message, the table's tab number, the table's
// name, row and column. A line a macro adds also knows its table's key, so a click reaches a
// table of another table group too (the tab number alone counts within one group).
struct ErrorEntry {
  QString message;
  QString tabNumber;
  QString table;
  QString row;
  QString column;
  QString tableKey;
};

// A value that does not fit its column, at its row and column of its table.
struct ValueProblemEntry {
  int row = 0, column = 0;
  ErrorEntry entry;
};

// The error list's lines: those added (by the checks the macros run), in the order they were
// added, then the values typed or pasted that do not fit their columns, table by table, row by
// row. Clearing the list leaves the latter: they go when the values are fixed.
class ErrorList : public QObject {
  Q_OBJECT
 public:
  // At most this many value lines are listed; a last line counts the rest.
  static constexpr int kMaxValueLines = 1000;

  std::vector<ErrorEntry> Entries() const;
  void Add(ErrorEntry entry) {
    entries_.push_back(std::move(entry));
    Q_EMIT Changed();
  }
  void Clear() {
    entries_.clear();
    Q_EMIT Changed();
  }
  // The value lines of one table within rows R1..R2 and columns C1..C2 become Found.
  void ReplaceValueProblems(const QString& tableKey, int r1, int c1, int r2, int c2,
                            std::vector<ValueProblemEntry> found);
  // A project's value lines go with its files.
  void ClearValueProblems() {
    valueProblems_.clear();
    Q_EMIT Changed();
  }

 Q_SIGNALS:
  void Changed();

 private:
  std::vector<ErrorEntry> entries_;
  std::map<QString, std::map<std::pair<int, int>, ErrorEntry>> valueProblems_;
};

// The lower area's panes: which one is on show (the image key of its tab: "Help", "Err" or
// "Report"), and how many report lines arrived while the report was out of sight.
class LowerPanes : public QObject {
  Q_OBJECT
 public:
  const QString& Shown() const { return shown_; }
  void Show(const QString& imageKey) {
    shown_ = imageKey;
    Q_EMIT Changed();
  }
  int UnseenReportLines() const { return unseenReportLines_; }
  void SetUnseenReportLines(int count) { unseenReportLines_ = count; }

 Q_SIGNALS:
  void Changed();

 private:
  QString shown_ = QStringLiteral("Help");
  int unseenReportLines_ = 0;
};

// The main window as plain data: what the procedures read and change, and what the widgets
// show. Member names are the window's control names.
class WindowModel : public QObject {
  Q_OBJECT
 public:
  Toolbar Toolbar1{QStringLiteral("Toolbar1")};
  Toolbar ToolbarLeft1{QStringLiteral("ToolbarLeft1")};
  Toolbar ToolbarB{QStringLiteral("ToolbarB")};
  TabStrip Tabs1;
  TabStrip Tabs2;
  Grid fg1;
  ProgressBar ProgressBar1;
  StatusBar StatusBar1;
  ReportLog Report1;
  ErrorList fg2;
  LowerPanes lowerPanes;

  WindowModel();

  const QString& Caption() const { return caption_; }
  void SetCaption(const QString& caption) {
    caption_ = caption;
    Q_EMIT CaptionChanged();
  }

 Q_SIGNALS:
  void CaptionChanged();

 private:
  QString caption_;
};

// Enables or disables the toolbars, the table tabs and the grid for the length of a command.
void AllEnabled(WindowModel& window, bool enabled);

// "Trellis - [title] - [table]", and the selected tab shows its title.
void UpdateCaption(WindowModel& window, const ProjectState& project);

}  // namespace trellis
