#include "app/Pause.h"

#include <QElapsedTimer>
#include <QTimer>

#include <gtest/gtest.h>

namespace trellis {
namespace {

TEST(Pause, WaitsWhileEventsKeepRunning) {
  int ticks = 0;
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
  timer.start(10);
  QElapsedTimer clock;
  clock.start();
  Pause(0.1f);
  EXPECT_GE(clock.elapsed(), 100);
  EXPECT_GE(ticks, 3);  // the window's events are processed during the wait

  Pause(0.0f);
  Pause(-1.0f);  // nothing to wait for
}

}  // namespace
}  // namespace trellis
