#pragma once

#include "automation/Dispatch.h"
#include "macros/ProjectTables.h"
#include "macros/scheme/Scheme.h"

#include <QString>

#include <system_error>

namespace trellis::macros {

class StopFlag;

struct SchemeOutcome {
  enum class Result { Written, Stopped, NotWritten };
  Result result = Result::Written;
  Scheme scheme;
  std::error_code writeError;
};

// Reads the element and node groups of the drawing that the rows of the group tables own,
// builds the scheme with Tolerance and writes the geometry tables, all three or none. Stops
// before writing when Stop is raised meanwhile. Throws AutomationError when the host fails.
SchemeOutcome SchemeFromDrawing(ProjectTables& tables, Dispatch& document, double tolerance,
                                const StopFlag& stop);

}  // namespace trellis::macros
