#pragma once

#include "cad-host/HostServices.h"

namespace trellis::cadhost {

// Until the window lets the user pick with the mouse, an on-screen pick takes every visible
// object of the drawing.
class WholeDrawingPicker : public Picker {
 public:
  EntityList Pick(const EntityList& candidates) override { return candidates; }
};

}  // namespace trellis::cadhost
