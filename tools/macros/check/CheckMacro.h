#pragma once

#include "macros/MacroMembers.h"

namespace trellis::macros {

// "Trellis.SchemeCheck": Check looks over the project's tables and the drawing's groups for
// what would spoil the calculation (see CheckScheme) and lists each problem in the program's
// error list, where a click opens the cell it is about.
class CheckMacro : public TableDispatch<CheckMacro>, public StopFlag {
 public:
  static const MemberTable<CheckMacro>& Members();

  void Check(const MacroCall& call);
};

}  // namespace trellis::macros
