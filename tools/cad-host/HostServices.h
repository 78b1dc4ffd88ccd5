#pragma once

#include <QtGlobal>

#include <memory>
#include <utility>
#include <vector>

namespace trellis::cadhost {

class HostEntity;
using EntityList = std::vector<std::shared_ptr<HostEntity>>;
// Entities with the places they held in a list, by ascending place.
using EntityPlaces = std::vector<std::pair<int, std::shared_ptr<HostEntity>>>;

// The on-screen pick: the user chooses among the visible objects of the drawing. Tests answer
// from a script; the host's window answers with the user's mouse.
class Picker {
 public:
  virtual ~Picker() = default;
  // The objects picked among Candidates, in the order picked; none when the user cancels.
  virtual EntityList Pick(const EntityList& candidates) = 0;
};

// What the model tells the host's window.
class HostView {
 public:
  virtual ~HostView() = default;
  // The drawing changed: redraw when convenient.
  virtual void DrawingChanged() = 0;
  // Visible, WindowState, the active drawing or its name changed.
  virtual void WindowStateChanged() = 0;
  virtual void BringToFront() = 0;
  virtual qint64 WindowHandle() const = 0;
  virtual void QuitRequested() = 0;
};

// A host without a window (a conversion, a test, a benchmark): there is nothing to draw or to
// bring forward, and a client's Quit ends the application.
class NoWindow : public HostView {
 public:
  void DrawingChanged() override {}
  void WindowStateChanged() override {}
  void BringToFront() override {}
  qint64 WindowHandle() const override { return 0; }
  void QuitRequested() override;
};

// The services a drawing works with; both outlive the model.
struct HostServices {
  Picker& picker;
  HostView& view;
};

}  // namespace trellis::cadhost
