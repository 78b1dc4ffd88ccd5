#pragma once

#include <QString>

#include <system_error>

namespace trellis {

class IniFiles;
class SettingsStore;

// The calculation options travel with each project in <base>.ini, sections Show and Calc:
// saving copies them from the per-user settings into the file, opening copies them back.
// Only the options below move, always in this order; other keys of the file (AfterCalc, the
// generator's FndNL, Gf, KCNorm) stay as they are. Values are opaque strings.

// The options from the settings into File; one never set is written empty. Stops at the first
// write that fails and gives its reason; the file then keeps its previous content.
std::error_code WriteCalcSettings(IniFiles& ini, SettingsStore& settings, const QString& file);

// The options from File into the settings; one missing from the file becomes empty.
void ReadCalcSettings(IniFiles& ini, SettingsStore& settings, const QString& file);

}  // namespace trellis
