#include "macros/calc/CalcOptions.h"

#include "macros/CellValues.h"

namespace trellis::macros::calc {

namespace {
constexpr double kDefaultSelfWeightFactor = 1.1;
}

CalcOptions ReadCalcOptions(const std::function<QString(const QString& key)>& value) {
  CalcOptions options;
  options.spatial = value(QStringLiteral("All3D")).trimmed() != QLatin1String("0");
  options.designLoads = value(QStringLiteral("DesignLoad")).trimmed() == QLatin1String("1");
  const auto factor = CellNumber(value(QStringLiteral("Gf")).trimmed());
  options.selfWeightFactor = factor && *factor > 0 ? *factor : kDefaultSelfWeightFactor;
  return options;
}

}  // namespace trellis::macros::calc
