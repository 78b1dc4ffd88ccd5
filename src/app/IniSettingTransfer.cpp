#include "app/IniSettingTransfer.h"

#include "app/AppIdentity.h"
#include "app/IniFiles.h"
#include "app/SettingsStore.h"

namespace trellis {

void IniToSetting(IniFiles& ini, SettingsStore& settings, QStringView section, QStringView key,
                  const QString& file) {
  settings.SaveSetting(ProgramTitle(), section, key, ini.ReadIni(section, key, file));
}

void SettingToIni(IniFiles& ini, SettingsStore& settings, QStringView section, QStringView key,
                  const QString& file) {
  ini.WriteIni(section, key, settings.GetSetting(ProgramTitle(), section, key), file);
}

}  // namespace trellis
