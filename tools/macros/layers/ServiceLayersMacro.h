#pragma once

#include "macros/MacroMembers.h"

namespace trellis::macros {

// "Trellis.ServiceLayers": draws one service layer of the drawing from the geometry tables
// (the layer switches call it when their layer is missing): NodeNumbers, ElementNumbers,
// Loads and Supports.
class ServiceLayersMacro : public TableDispatch<ServiceLayersMacro>, public StopFlag {
 public:
  static const MemberTable<ServiceLayersMacro>& Members();

  void NodeNumbers(const MacroCall& call);
  void ElementNumbers(const MacroCall& call);
  void Loads(const MacroCall& call);
  void Supports(const MacroCall& call);
};

}  // namespace trellis::macros
