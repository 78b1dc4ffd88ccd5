#include "macros/MacroServer.h"

#include "macros/scheme/SchemeMacro.h"

#include <memory>

namespace trellis::macros {

std::vector<ServedClass> ServedClasses(ParametersEditor&) {
  return {
      {QStringLiteral("Trellis.Scheme"), [] { return std::make_shared<SchemeMacro>(); }},
  };
}

}  // namespace trellis::macros
