#pragma once

#include "macros/calc/CalcModel.h"

#include <QString>

#include <functional>

namespace trellis::macros::calc {

// The calculation's options from its settings (section Calc): "All3D" (unset: spatial),
// "DesignLoad" ("1": loads times their reliability factors) and "Gf" (the self-weight's factor,
// unset: 1,1). Value reads a key of section Calc.
CalcOptions ReadCalcOptions(const std::function<QString(const QString& key)>& value);

}  // namespace trellis::macros::calc
