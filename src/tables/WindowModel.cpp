#include "tables/WindowModel.h"

#include "app/AppIdentity.h"
#include "tables/LowerPanes.h"
#include "tables/ProjectState.h"

namespace trellis {

WindowModel::WindowModel() {
  connect(&Report1, &ReportLog::Appended, this, [this] { NoteReportLine(*this); });
  connect(&Report1, &ReportLog::Cleared, this, [this] { ForgetReportLines(*this); });
}

void AllEnabled(WindowModel& window, bool enabled) {
  window.Toolbar1.SetEnabled(enabled);
  window.ToolbarLeft1.SetEnabled(enabled);
  window.ToolbarB.SetEnabled(enabled);
  window.Tabs1.SetEnabled(enabled);
  window.fg1.SetEnabled(enabled);
}

void UpdateCaption(WindowModel& window, const ProjectState& project) {
  const Tab* tab = window.Tabs1.SelectedTab();
  const QString table = tab ? tab->tooltip : QString();
  QString caption = ProgramTitle();
  if (!project.projectTitle.isEmpty()) {
    caption += QStringLiteral(" - [") + project.projectTitle + QStringLiteral("] - [") + table + u']';
  } else if (!table.isEmpty()) {
    caption += QStringLiteral(" - [") + table + u']';
  }
  window.SetCaption(caption);
  if (tab && tab->caption != tab->tooltip) window.Tabs1.SetCaption(window.Tabs1.Selected(), tab->tooltip);
}

}  // namespace trellis
