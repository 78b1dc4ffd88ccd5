#pragma once

#include "macros/ProjectTables.h"
#include "macros/calc/CaseResults.h"

#include <system_error>
#include <vector>

namespace trellis::macros::calc {

// The result tables, all three written together or none: node displacements (mm) and turns
// (rad), normal forces and moments (kN, kN·m), shears (kN), for every load case and then every
// combination, each at the start, middle and end of every element.
std::error_code WriteResultTables(ProjectTables& tables, const Model& model,
                                  const std::vector<CaseResults>& results);

}  // namespace trellis::macros::calc
