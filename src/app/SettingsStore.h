#pragma once

#include "app/IniFiles.h"

#include <QString>
#include <QStringView>

#include <system_error>
#include <vector>

namespace trellis {

// Per-user string settings by application key, section and key, names without case. Each
// application key has one INI file, <folder>/<key>/settings.ini, kept in UTF-16 so that any
// path the user has survives. The folder is $TRELLIS_SETTINGS_HOME when set (tests move it
// there), else $XDG_CONFIG_HOME, else ~/.config.
class SettingsStore {
 public:
  explicit SettingsStore(QString folder);

  static QString DefaultFolder();

  QString GetSetting(QStringView appKey, QStringView section, QStringView key,
                     const QString& defaultValue = QString());
  // False when the settings file cannot be written.
  bool SaveSetting(QStringView appKey, QStringView section, QStringView key, QStringView value);

  // Several settings of one application key in one write of its file: all or none. The
  // reason when the file cannot be written.
  struct Setting {
    QStringView section;
    QStringView key;
    QString value;
  };
  std::error_code SaveSettings(QStringView appKey, const std::vector<Setting>& settings);

  QString FileOf(QStringView appKey) const;

 private:
  QString folder_;
  IniFiles files_{IniEncoding::Utf16Le};
};

}  // namespace trellis
