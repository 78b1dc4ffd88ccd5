#pragma once

#include "cad-host/HostServices.h"

#include <QTimer>
#include <QWidget>

#include <memory>

namespace trellis::cadhost {

class HostApplication;

// The host's window: the drawing's lines and points in their colours (the layer's colour
// unless the object has its own), objects on layers that are off left out, members of
// highlighted groups drawn dashed. It follows the application's Visible and WindowState.
class DrawingWindow : public QWidget, public HostView {
  Q_OBJECT

 public:
  DrawingWindow();
  void Attach(std::shared_ptr<HostApplication> application);

  void DrawingChanged() override;
  void WindowStateChanged() override;
  void BringToFront() override;
  qint64 WindowHandle() const override;
  void QuitRequested() override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::weak_ptr<HostApplication> application_;
  // A client may change the drawing ten thousand times in a row: redraw once it pauses, since
  // a redraw costs as much as the drawing is large.
  QTimer redraw_;
};

}  // namespace trellis::cadhost
