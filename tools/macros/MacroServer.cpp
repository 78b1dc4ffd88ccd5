#include "macros/MacroServer.h"

#include "macros/calc/CalculationMacro.h"
#include "macros/check/CheckMacro.h"
#include "macros/layers/ServiceLayersMacro.h"
#include "macros/scheme/SchemeMacro.h"
#include "macros/settings/ParametersMacro.h"

#include <memory>

namespace trellis::macros {

std::vector<ServedClass> ServedClasses(ParametersEditor& editor) {
  return {
      {QStringLiteral("Trellis.Scheme"), [] { return std::make_shared<SchemeMacro>(); }},
      {QStringLiteral("Trellis.Calculation"), [] { return std::make_shared<calc::CalculationMacro>(); }},
      {QStringLiteral("Trellis.SchemeCheck"), [] { return std::make_shared<CheckMacro>(); }},
      {QStringLiteral("Trellis.Parameters"),
       [&editor] { return std::make_shared<ParametersMacro>(editor); }},
      {QStringLiteral("Trellis.ServiceLayers"), [] { return std::make_shared<ServiceLayersMacro>(); }},
  };
}

}  // namespace trellis::macros
