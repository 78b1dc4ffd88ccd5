#pragma once

#include "cad/WindowSwitcher.h"

namespace trellis {

// Brings the drawing host's window forward through the desktop: the host tells its window's
// handle (the document's hwnd), and the window system is asked to activate that window, as a
// task switcher would. A title alone finds no window on a Linux desktop, so the application
// step is left to the handle and to the host's own Activate.
class DesktopWindowSwitcher : public WindowSwitcher {
 public:
  void ActivateApplication(const QString& windowTitle) override;
  void ActivateWindow(qint64 windowHandle) override;
};

}  // namespace trellis
