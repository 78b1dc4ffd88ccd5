#pragma once

#include "automation/Dispatch.h"

#include <QString>

#include <functional>
#include <vector>

namespace trellis::macros {

class ParametersEditor;

// A class the bundled macro server serves under its ProgID.
struct ServedClass {
  QString progId;
  std::function<DispatchRef()> make;
};

// Every class of the server. Editor shows the parameters dialog; tests hand in one that
// answers from a script.
std::vector<ServedClass> ServedClasses(ParametersEditor& editor);

}  // namespace trellis::macros
