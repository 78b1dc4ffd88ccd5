#include "macros/settings/ProjectSettingsFile.h"

#include "app/FilePaths.h"
#include "macros/CellValues.h"

namespace trellis::macros {

QString ProjectSettingsFile(const MacroCall& call) {
  return PathIn(call.workingFolder, call.baseName + QStringLiteral(".ini"));
}

double NodeTolerance(IniFiles& ini, const QString& settingsFile) {
  const auto value = CellNumber(ini.ReadIni(kToleranceSection, kToleranceKey, settingsFile));
  if (!value || *value < kMinTolerance || *value > kMaxTolerance) return kDefaultTolerance;
  return *value;
}

}  // namespace trellis::macros
