#pragma once

#include <QString>

namespace trellis {

// Brings another program's window to the front: the desktop's business, so the window layer
// supplies it. Where the desktop offers no way, doing nothing is right: the host's own
// Activate and Update calls still raise its window.
class WindowSwitcher {
 public:
  virtual ~WindowSwitcher() = default;
  // The application whose window has this title.
  virtual void ActivateApplication(const QString& windowTitle) = 0;
  virtual void ActivateWindow(qint64 windowHandle) = 0;
};

class NoWindowSwitcher : public WindowSwitcher {
 public:
  void ActivateApplication(const QString&) override {}
  void ActivateWindow(qint64) override {}
};

}  // namespace trellis
