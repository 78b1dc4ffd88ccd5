// Late-bound calls into trellis-cad over the session bus: one property get, 10,000 points made
// and appended to one group through the CAD wrappers, and ConnectCad with the host running and
// with the host to be started. The benchmark runs its own dbus-daemon and its own host.
#include "OnPrivateBus.h"

#include "app/Prompter.h"
#include "app/SettingsStore.h"
#include "automation/AutomationError.h"
#include "automation/BusActivator.h"
#include "automation/BusEndpoint.h"
#include "automation/BusNames.h"
#include "cad/CadConnection.h"
#include "cad/WindowSwitcher.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include "SilentPrompter.h"

#include <benchmark/benchmark.h>

#include <signal.h>
#include <algorithm>
#include <vector>

namespace trellis {
namespace {

const QString kProgId = QStringLiteral("AutoCAD.Application");

using bench::SilentPrompter;

// An installation whose Servers.ini starts the built trellis-cad, and the program's side.
struct Bench {
  Bench() {
    QFile servers(folder.filePath(QStringLiteral("Servers.ini")));
    servers.open(QIODevice::WriteOnly);
    servers.write(QStringLiteral("[Servers]\r\nAutoCAD.Application=\"%1\" --automation --path "
                                 "\"%2\" AutoCAD.Application\r\n")
                      .arg(QStringLiteral(TRELLIS_CAD_HOST), folder.path())
                      .toUtf8());
  }

  CadConnection NewConnection() {
    return CadConnection(
        CadServices{activator, settings, prompter, windows, folder.path(), QString()});
  }

  // Ends the running host and waits until its bus name is free.
  void EndHost() {
    const QDBusConnection bus = QDBusConnection::sessionBus();
    const QDBusReply<uint> pid = bus.interface()->servicePid(BusNameOf(kProgId));
    if (!pid.isValid()) return;
    kill(pid_t(pid.value()), SIGTERM);
    while (!activator.Endpoint()->OwnerOf(kProgId).isEmpty()) {
      QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
      QThread::msleep(2);
    }
  }

  QTemporaryDir folder;
  SettingsStore settings{folder.filePath(QStringLiteral("config"))};
  SilentPrompter prompter;
  NoWindowSwitcher windows;
  BusActivator activator{folder.path()};
  int groupsMade = 0;
};

// A failed call ends the benchmark with its reason instead of ending the program, so the
// benchmark's bus and host are still taken down.
template <typename Body>
void Guarded(benchmark::State& state, Body body) {
  try {
    body();
  } catch (const AutomationError& error) {
    state.SkipWithError(error.what());
  }
}

void PropertyGetRoundTrip(benchmark::State& state, Bench& bench) {
  Guarded(state, [&] {
    CadConnection cad = bench.NewConnection();
    if (!cad.ConnectCad(true)) return state.SkipWithError("no CAD host");
    const DispatchRef application = cad.Application().Object();
    std::vector<double> micros;
    for (auto _ : state) {
      QElapsedTimer clock;
      clock.start();
      benchmark::DoNotOptimize(application->Get(QStringLiteral("Visible")));
      micros.push_back(clock.nsecsElapsed() / 1000.0);
    }
    std::nth_element(micros.begin(), micros.begin() + micros.size() / 2, micros.end());
    state.counters["median_us"] = micros[micros.size() / 2];
  });
}

void AppendTenThousandPoints(benchmark::State& state, Bench& bench) {
  Guarded(state, [&] {
    CadConnection cad = bench.NewConnection();
    if (!cad.ConnectCad(true)) return state.SkipWithError("no CAD host");
    const CadModelSpace space = cad.Document().ModelSpace();
    for (auto _ : state) {
      const CadGroup group = cad.Groups().Add(
          QStringLiteral("KS_FEM_P_%1").arg(++bench.groupsMade, 3, 10, QChar(u'0')));
      std::vector<CadEntity> points;
      points.reserve(10000);
      for (int i = 0; i < 10000; ++i)
        points.push_back(space.AddPoint({double(i % 100), double(i / 100), 0}));
      group.AppendItems(points);
      if (group.Count() != 10000) return state.SkipWithError("the group lost points");
    }
  });
}

void ConnectWhileTheHostRuns(benchmark::State& state, Bench& bench) {
  CadConnection cad = bench.NewConnection();
  if (!cad.ConnectCad(true)) return state.SkipWithError("no CAD host");
  for (auto _ : state) {
    if (!cad.ConnectCad(true)) return state.SkipWithError("the host went away");
  }
}

void ConnectStartingTheHost(benchmark::State& state, Bench& bench) {
  for (auto _ : state) {
    state.PauseTiming();
    bench.EndHost();
    CadConnection cad = bench.NewConnection();
    state.ResumeTiming();
    if (!cad.ConnectCad(true)) return state.SkipWithError("the host did not start");
  }
}

}  // namespace
}  // namespace trellis

int main(int argc, char** argv) {
  return trellis::bench::RunOnPrivateBus(argc, argv, [] {
    trellis::Bench bench;
    using benchmark::RegisterBenchmark;
    RegisterBenchmark("PropertyGetRoundTrip", trellis::PropertyGetRoundTrip, std::ref(bench))
        ->Unit(benchmark::kMicrosecond);
    RegisterBenchmark("AppendTenThousandPoints", trellis::AppendTenThousandPoints, std::ref(bench))
        ->Unit(benchmark::kSecond)
        ->Iterations(1)
        ->Repetitions(3);
    RegisterBenchmark("ConnectCad/HostRunning", trellis::ConnectWhileTheHostRuns, std::ref(bench))
        ->Unit(benchmark::kMillisecond);
    RegisterBenchmark("ConnectCad/HostStarted", trellis::ConnectStartingTheHost, std::ref(bench))
        ->Unit(benchmark::kMillisecond)
        ->Iterations(10);
    benchmark::RunSpecifiedBenchmarks();
    bench.EndHost();
  });
}
