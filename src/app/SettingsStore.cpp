#include "app/SettingsStore.h"

#include <QDir>
#include <QFileInfo>

namespace trellis {

SettingsStore::SettingsStore(QString folder) : folder_(std::move(folder)) {}

QString SettingsStore::DefaultFolder() {
  const QString moved = qEnvironmentVariable("TRELLIS_SETTINGS_HOME");
  if (!moved.isEmpty()) return moved;
  const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
  if (!config.isEmpty()) return config;
  return QDir::homePath() + QStringLiteral("/.config");
}

QString SettingsStore::FileOf(QStringView appKey) const {
  return folder_ + u'/' + appKey.trimmed().toString() + QStringLiteral("/settings.ini");
}

QString SettingsStore::GetSetting(QStringView appKey, QStringView section, QStringView key,
                                  const QString& defaultValue) {
  // A stored empty value is a value; only a missing one takes the default.
  return files_.FindValue(section, key, FileOf(appKey)).value_or(defaultValue);
}

bool SettingsStore::SaveSetting(QStringView appKey, QStringView section, QStringView key,
                                QStringView value) {
  const QString file = FileOf(appKey);
  QDir().mkpath(QFileInfo(file).absolutePath());
  // The reader strips one outer pair of quotes and nothing inside it, so a quoted value comes
  // back exactly, outer spaces and quotes included. Line breaks cannot live in an INI value.
  QString stored = value.toString();
  stored.replace(u'\r', u' ').replace(u'\n', u' ');
  return files_.WriteIni(section, key, u'"' + stored + u'"', file);
}

}  // namespace trellis
