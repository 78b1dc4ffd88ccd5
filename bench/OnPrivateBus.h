#pragma once

#include <functional>

namespace trellis::bench {

// The main of a benchmark that talks over a session bus: a dbus-daemon of its own (so the
// desktop's bus is never touched), a QCoreApplication, and Google Benchmark's flags. Run
// registers the benchmarks and runs them; whatever it made for them lives until it returns.
// 1 when the daemon cannot be started.
int RunOnPrivateBus(int argc, char** argv, const std::function<void()>& run);

}  // namespace trellis::bench
