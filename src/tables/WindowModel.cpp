#include "tables/WindowModel.h"

#include "app/AppIdentity.h"
#include "tables/LowerPanes.h"
#include "tables/ProjectState.h"

namespace trellis {

WindowModel::WindowModel() {
  connect(&Report1, &ReportLog::Appended, this, [this] { NoteReportLine(*this); });
  connect(&Report1, &ReportLog::Cleared, this, [this] { ForgetReportLines(*this); });
}

std::vector<ErrorEntry> ErrorList::Entries() const {
  std::vector<ErrorEntry> all = entries_;
  int listed = 0, left = 0;
  for (const auto& [table, problems] : valueProblems_) {
    for (const auto& [place, entry] : problems) {
      if (listed < kMaxValueLines) {
        all.push_back(entry);
        ++listed;
      } else {
        ++left;
      }
    }
  }
  if (left > 0) {
    all.push_back(ErrorEntry{tr("…и еще значений с ошибками: %1").arg(left), {}, {}, {}, {}, {}});
  }
  return all;
}

void ErrorList::ReplaceValueProblems(const QString& tableKey, int r1, int c1, int r2, int c2,
                                     std::vector<ValueProblemEntry> found) {
  auto& problems = valueProblems_[tableKey];
  bool changed = !found.empty();
  for (auto it = problems.begin(); it != problems.end();) {
    const auto [row, column] = it->first;
    if (row >= r1 && row <= r2 && column >= c1 && column <= c2) {
      it = problems.erase(it);
      changed = true;
    } else {
      ++it;
    }
  }
  for (ValueProblemEntry& problem : found) problems[{problem.row, problem.column}] = std::move(problem.entry);
  if (problems.empty()) valueProblems_.erase(tableKey);
  if (changed) Q_EMIT Changed();
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
