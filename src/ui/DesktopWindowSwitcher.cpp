#include "ui/DesktopWindowSwitcher.h"

#include <QWindow>

#include <memory>

namespace trellis {

void DesktopWindowSwitcher::ActivateApplication(const QString&) {
  // See the class comment: the window handle does this step.
}

void DesktopWindowSwitcher::ActivateWindow(qint64 windowHandle) {
  if (windowHandle == 0) return;
  // A foreign window: asking for its activation sends the window manager the request
  // (_NET_ACTIVE_WINDOW on X11) without taking the window over.
  const std::unique_ptr<QWindow> window(QWindow::fromWinId(WId(windowHandle)));
  if (!window) return;
  window->raise();
  window->requestActivate();
}

}  // namespace trellis
