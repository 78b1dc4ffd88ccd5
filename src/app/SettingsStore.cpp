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

namespace {

// The reader strips one outer pair of quotes and nothing inside it, so a quoted value comes
// back exactly, outer spaces and quotes included. Line breaks cannot live in an INI value.
QString Stored(QStringView value) {
  QString stored = value.toString();
  stored.replace(u'\r', u' ').replace(u'\n', u' ');
  return u'"' + stored + u'"';
}

}  // namespace

bool SettingsStore::SaveSetting(QStringView appKey, QStringView section, QStringView key,
                                QStringView value) {
  return !SaveSettings(appKey, {{section, key, value.toString()}});
}

std::error_code SettingsStore::SaveSettings(QStringView appKey, const std::vector<Setting>& settings) {
  const QString file = FileOf(appKey);
  QDir().mkpath(QFileInfo(file).absolutePath());
  std::vector<IniFiles::IniValue> values;
  for (const Setting& setting : settings) values.push_back({setting.section, setting.key, Stored(setting.value)});
  if (files_.WriteIniValues(values, file)) return {};
  const std::error_code error = files_.LastWriteError();
  return error ? error : std::make_error_code(std::errc::io_error);
}

}  // namespace trellis
