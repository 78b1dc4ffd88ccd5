#pragma once

#include "cad-host/DrawingWindow.h"
#include "cad-host/HostServices.h"

namespace trellis::cadhost {

// The on-screen pick a client program asks for, answered by the user on the host's window.
class ScreenPicker : public Picker {
 public:
  explicit ScreenPicker(DrawingWindow& window) : window_(window) {}
  EntityList Pick(const EntityList& candidates) override {
    return window_.PickOnScreen(candidates);
  }

 private:
  DrawingWindow& window_;
};

}  // namespace trellis::cadhost
