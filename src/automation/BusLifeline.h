#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QTimer>

#include <functional>

namespace trellis {

// Ends a server when its bus connection closes. QtDBus announces no disconnection, and a
// server left running after its bus has gone would hold its parent's output open for ever, so
// the connection is looked at twice a second.
class BusLifeline : public QObject {
  Q_OBJECT

 public:
  BusLifeline(const QDBusConnection& connection, std::function<void()> onClosed);

 private:
  QDBusConnection connection_;
  std::function<void()> onClosed_;
  QTimer check_;
};

}  // namespace trellis
