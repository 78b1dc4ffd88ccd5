#pragma once

#include "macros/MacroMembers.h"

namespace trellis::macros::calc {

// "Trellis.Calculation": Run calculates the project with CalculiX (see Calculate), shows the
// result tables and draws the chosen load case's deformed shape and diagram on the drawing's
// results layer. Problems found before solving go to the error list; a failure of the solver
// is told in a message, with its own words in the report. DrawResults draws the results layer
// from the result tables, for the layer switch when the layer is missing (a reopened project).
class CalculationMacro : public TableDispatch<CalculationMacro>, public StopFlag {
 public:
  static const MemberTable<CalculationMacro>& Members();

  void Run(const MacroCall& call);
  void DrawResults(const MacroCall& call);
};

}  // namespace trellis::macros::calc
