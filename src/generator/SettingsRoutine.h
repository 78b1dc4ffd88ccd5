#pragma once

#include <QString>

namespace trellis {

class IniFiles;

// The routine AddSettings, which stores the project's calculation settings (section Calc of
// its settings file) in the per-user settings of the generated program's user.
QString WriteSettingsRoutine(IniFiles& ini, const QString& settingsFile);

}  // namespace trellis
