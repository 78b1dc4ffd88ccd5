#pragma once

#include <QString>
#include <QStringList>

namespace trellis {

class SettingsStore;

inline constexpr int kRecentProjectCount = 16;

// The recent-projects list, settings open/f1 (most recent) to open/f16; empty entries included.
QStringList RecentProjects(SettingsStore& settings);

// Puts an existing project file first. A path already listed, in any letter case, keeps its
// place, and a path that is no file is not listed: the first save of a project runs before
// its file exists and enters it only at the next save. The oldest entry drops out.
void AddRecentProject(SettingsStore& settings, const QString& path);

}  // namespace trellis
