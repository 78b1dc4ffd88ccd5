#pragma once

#include <QString>
#include <QStringView>

namespace trellis {

class IniFiles;
class SettingsStore;

// Copies one value from an INI file into the program's settings, even when it is empty.
void IniToSetting(IniFiles& ini, SettingsStore& settings, QStringView section, QStringView key,
                  const QString& file);

// Writes one of the program's settings (empty when never set) into an INI file.
void SettingToIni(IniFiles& ini, SettingsStore& settings, QStringView section, QStringView key,
                  const QString& file);

}  // namespace trellis
