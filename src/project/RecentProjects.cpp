#include "project/RecentProjects.h"

#include "app/AppIdentity.h"
#include "app/FilePaths.h"
#include "app/SettingsStore.h"

namespace trellis {
namespace {

QString EntryKey(int position) {
  return QStringLiteral("f%1").arg(position);
}

}  // namespace

QStringList RecentProjects(SettingsStore& settings) {
  QStringList entries;
  for (int i = 1; i <= kRecentProjectCount; ++i) {
    entries << settings.GetSetting(ProgramTitle(), u"open", EntryKey(i));
  }
  return entries;
}

void AddRecentProject(SettingsStore& settings, const QString& path) {
  if (!FileExists(path)) return;
  const QStringList entries = RecentProjects(settings);
  for (const QString& entry : entries) {
    if (entry.compare(path, Qt::CaseInsensitive) == 0) return;
  }
  settings.SaveSetting(ProgramTitle(), u"open", EntryKey(1), path);
  for (int i = 2; i <= kRecentProjectCount; ++i) {
    settings.SaveSetting(ProgramTitle(), u"open", EntryKey(i), entries[i - 2]);
  }
}

}  // namespace trellis
