#pragma once

#include <QtGlobal>

#include <memory>
#include <vector>

namespace trellis::cadhost {

class HostEntity;
using EntityList = std::vector<std::shared_ptr<HostEntity>>;

// The on-screen pick: the user chooses among the visible objects of the drawing. Tests answer
// from a script; the host's window answers with the user's mouse.
class Picker {
 public:
  virtual ~Picker() = default;
  // The objects picked among Candidates, in the order picked; none when the user cancels.
  virtual EntityList Pick(const EntityList& candidates) = 0;
};

// What the model tells the host's window, if there is one. Without a window nothing happens.
class HostView {
 public:
  virtual ~HostView() = default;
  // The drawing changed: redraw when convenient.
  virtual void DrawingChanged() {}
  // Visible, WindowState or the caption changed.
  virtual void WindowStateChanged() {}
  virtual void BringToFront() {}
  virtual qint64 WindowHandle() const { return 0; }
  virtual void QuitRequested() {}
};

// The services a drawing works with; both outlive the model.
struct HostServices {
  Picker& picker;
  HostView& view;
};

}  // namespace trellis::cadhost
