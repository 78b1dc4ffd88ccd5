#include "OnPrivateBus.h"

#include "PrivateBus.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace trellis::bench {

int RunOnPrivateBus(int argc, char** argv, const std::function<void()>& run) {
  test::PrivateBus bus;
  if (bus.Address().isEmpty()) {
    std::fprintf(stderr, "dbus-daemon could not be started\n");
    return 1;
  }
  qputenv("DBUS_SESSION_BUS_ADDRESS", bus.Address().toUtf8());
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  run();
  benchmark::Shutdown();
  return 0;
}

}  // namespace trellis::bench
