#pragma once

#include "app/IniFiles.h"
#include "macros/MacroCall.h"

#include <QString>

namespace trellis::macros {

// The project's calculation settings file, <base name>.ini in the working folder.
QString ProjectSettingsFile(const MacroCall& call);

// Places closer than this (in metres, the drawing's unit) are one node of the scheme. Kept in
// the settings file beside the calculation's options; the parameters dialog edits it.
inline const QString kToleranceSection = QStringLiteral("Calc");
inline const QString kToleranceKey = QStringLiteral("NodeTolerance");
constexpr double kDefaultTolerance = 0.001;
constexpr double kMinTolerance = 1e-6;
constexpr double kMaxTolerance = 1.0;

// The tolerance the file holds, or the default when it holds none that is usable.
double NodeTolerance(IniFiles& ini, const QString& settingsFile);

}  // namespace trellis::macros
