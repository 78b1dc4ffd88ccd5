#include "automation/BusLifeline.h"

namespace trellis {

BusLifeline::BusLifeline(const QDBusConnection& connection, std::function<void()> onClosed)
    : connection_(connection), onClosed_(std::move(onClosed)) {
  check_.setInterval(500);
  connect(&check_, &QTimer::timeout, this, [this] {
    if (connection_.isConnected()) return;
    check_.stop();
    onClosed_();
  });
  check_.start();
}

}  // namespace trellis
