#pragma once

#include "macros/MacroMembers.h"

namespace trellis::macros {

// "Trellis.Scheme": Build fills the geometry tables from the groups the program made in the
// drawing (see BuildScheme), tells the program to show them and reports the counts in the
// status bar.
class SchemeMacro : public TableDispatch<SchemeMacro>, public StopFlag {
 public:
  static const MemberTable<SchemeMacro>& Members();

  void Build(const MacroCall& call);
};

}  // namespace trellis::macros
