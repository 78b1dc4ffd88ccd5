#pragma once

#include "tables/Grid.h"
#include "tables/TabStrip.h"
#include "tables/Toolbar.h"

#include <QObject>
#include <QString>
#include <QStringList>

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
  ReportLog Report1;

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
