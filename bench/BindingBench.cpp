// Binding 10,000 picked lines to a row's group, end to end over the session bus: the program's
// "Arrow" command against a host whose stand-in user picks every line, in both modes of the
// program: AutoCAD's (each object copied and the original erased, about a dozen calls per
// object) and the other hosts' (the add-in macro fills the group, two calls per object). The
// benchmark runs its own dbus-daemon; the host is started from Servers.ini as the program
// starts trellis-cad.
#include "OnPrivateBus.h"

#include "BenchTables.h"
#include "app/AppIdentity.h"
#include "automation/AutomationError.h"
#include "automation/BusActivator.h"
#include "cad/CadConnection.h"
#include "cad/CadTableContext.h"
#include "cad/RowGroups.h"
#include "cad/WindowSwitcher.h"
#include "tables/CatalogueLoading.h"
#include "tables/TableOpening.h"


#include <benchmark/benchmark.h>


namespace trellis {
namespace {

constexpr int kLines = 10000;

class QuietCadWindow : public CadWindow {
 public:
  void ActivateMainWindow() override {}
  void OpenDocument(const QString&) override {}
};

// Host is the ProgID prefix the program is set to use ("AutoCAD" or "ZWCAD").
void BindTenThousandLines(benchmark::State& state, const QString& host) {
  bench::TableWorld world;
  const QString progId = host + QStringLiteral(".Application");
  bench::WriteFile(world.install + "/Servers.ini",
                   QStringLiteral("[Servers]\r\n%1=\"%2\" %1 %3\r\n")
                       .arg(progId, QStringLiteral(TRELLIS_BENCH_CAD_HOST))
                       .arg(kLines)
                       .toUtf8());
  world.settings.SaveSetting(ProgramTitle(), u"Main", u"ACADProg", host);
  bench::WriteFile(world.install + "/Tables.ini",
                   "[Main]\nTables=El\n[El]\nExt=d02\nName=El\nGroup=L\nFilterType=0\n"
                   "FilterData=LINE\n");
  bench::WriteFile(world.install + "/El.ini", "[F1]\nName=N\nType=i\n[F2]\nName=Name\n");
  world.project.projectBaseName = "B";
  bench::WriteFile(world.folders.GetWorkingFolder() + "/B.d02", "1\tBeam\r\n");
  LoadCatalogue(world.ctx);
  OpenCurrentTable(world.ctx);

  BusActivator activator(world.install);
  NoWindowSwitcher windows;
  CadConnection cad(
      CadServices{activator, world.settings, world.prompter, windows, world.install, QString()});
  QuietCadWindow window;
  CadTableContext ctx{world.ctx, cad, world.prompter, window};
  int progressShown = 0;
  QObject::connect(&world.window.StatusBar1, &StatusBar::Changed, [&](int panel) {
    if (panel == 3 && !world.window.StatusBar1.Panel(3).isEmpty()) ++progressShown;
  });
  if (!cad.ConnectCad(true)) return state.SkipWithError("the host did not start");
  for (auto _ : state) {
    try {
      if (!AssignSelectionToGroup(ctx, QStringLiteral("KS_FEM_L_001")))
        return state.SkipWithError("nothing was bound");
    } catch (const AutomationError& error) {
      return state.SkipWithError(error.what());
    }
  }
  const int members = cad.Groups().Item(QStringLiteral("KS_FEM_L_001")).Count();
  if (members != kLines) return state.SkipWithError("the group does not hold every line");
  state.counters["progress_updates"] = progressShown;
  try {
    Call(*cad.Application().Object(), QStringLiteral("Quit"));
  } catch (const AutomationError&) {
  }
}

}  // namespace
}  // namespace trellis

int main(int argc, char** argv) {
  return trellis::bench::RunOnPrivateBus(argc, argv, [] {
    for (const char* host : {"AutoCAD", "ZWCAD"}) {
      benchmark::RegisterBenchmark((std::string("BindTenThousandLines/") + host).c_str(),
                                   trellis::BindTenThousandLines, QString::fromLatin1(host))
          ->Unit(benchmark::kSecond)
          ->Iterations(1);
    }
    benchmark::RunSpecifiedBenchmarks();
  });
}
