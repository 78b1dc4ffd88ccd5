#include "macros/MacroServer.h"

#include "macros/scheme/SchemeMacro.h"
#include "macros/settings/ParametersMacro.h"

#include <memory>

namespace trellis::macros {

std::vector<ServedClass> ServedClasses(ParametersEditor& editor) {
  return {
      {QStringLiteral("Trellis.Scheme"), [] { return std::make_shared<SchemeMacro>(); }},
      {QStringLiteral("Trellis.Parameters"),
       [&editor] { return std::make_shared<ParametersMacro>(editor); }},
  };
}

}  // namespace trellis::macros
