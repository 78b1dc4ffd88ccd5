#pragma once

#include <QString>

namespace trellis {

class IniFiles;
class SettingsStore;

// The calculation options travel with each project in <base>.ini, sections Show and Calc:
// saving copies them from the per-user settings into the file, opening copies them back.
// Only the options below move, always in this order; other keys of the file (AfterCalc, the
// generator's FndNL, Gf, KCNorm) stay as they are. Values are opaque strings.

// The options from the settings into File; one never set is written empty.
void WriteCalcSettings(IniFiles& ini, SettingsStore& settings, const QString& file);

// The options from File into the settings; one missing from the file becomes empty.
void ReadCalcSettings(IniFiles& ini, SettingsStore& settings, const QString& file);

}  // namespace trellis
