// The bundled macros on a big drawing: the calculation scheme built from 20,000 lines in 200
// element groups (table writes included), with the drawing host in this process and in a
// process of its own on a bus of the benchmark's own, and the check of the scheme built.
#include "OnPrivateBus.h"

#include "automation/AutomationError.h"
#include "automation/BusActivator.h"
#include "automation/CallsTogether.h"
#include "cad-host/HostApplication.h"
#include "cad-host/HostServices.h"
#include "cad/CadObjects.h"
#include "macros/MacroMembers.h"
#include "macros/check/SchemeCheck.h"
#include "macros/scheme/DrawingGroups.h"
#include "macros/scheme/SchemeFromDrawing.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>


namespace trellis {
namespace {

using macros::ProjectTables;
using macros::TableRows;

constexpr int kGroups = 200;
const QString kHost = QStringLiteral("AutoCAD.Application");

QVariant At(double x, double y, double z) { return QVariantList{x, y, z}; }

// Group g is the plane frame at y = 6 g: six columns of ten storeys of 3 m and five bays of
// 6 m beams on eight floors, 100 lines; every element group divides by 2 m. The column feet are
// node group 1, clamped.
void DrawFrames(Dispatch& document) {
  const DispatchRef space = ObjectOf(document.Get(QStringLiteral("ModelSpace")));
  const DispatchRef groups = ObjectOf(document.Get(QStringLiteral("Groups")));
  std::vector<LateCall> feet;
  for (int g = 0; g < kGroups; ++g) {
    const double y = 6.0 * g;
    std::vector<LateCall> lines;
    for (int c = 0; c < 6; ++c) {
      for (int s = 0; s < 10; ++s) {
        lines.push_back({space, LateCall::Kind::Invoke, QStringLiteral("AddLine"), {At(6 * c, y, 3 * s), At(6 * c, y, 3 * s + 3)}});
      }
      feet.push_back({space, LateCall::Kind::Invoke, QStringLiteral("AddPoint"), {At(6 * c, y, 0)}});
    }
    for (int b = 0; b < 5; ++b) {
      for (int f = 1; f <= 8; ++f) {
        lines.push_back({space, LateCall::Kind::Invoke, QStringLiteral("AddLine"), {At(6 * b, y, 3 * f), At(6 * b + 6, y, 3 * f)}});
      }
    }
    const DispatchRef group = ObjectOf(Call(*groups, QStringLiteral("Add"), {macros::RowGroupName("E", QString::number(g + 1))}));
    const std::vector<QVariant> made = CallInBatches(lines);
    Call(*group, QStringLiteral("AppendItems"), {QVariantList(made.begin(), made.end())});
  }
  const std::vector<QVariant> points = CallInBatches(feet);
  const DispatchRef pointGroup = ObjectOf(Call(*groups, QStringLiteral("Add"), {macros::RowGroupName("P", "1")}));
  Call(*pointGroup, QStringLiteral("AppendItems"), {QVariantList(points.begin(), points.end())});
}

void WriteTables(ProjectTables& tables) {
  TableRows elements(tables.ColumnCountOf(QStringLiteral("Elements")));
  for (int g = 1; g <= kGroups; ++g) {
    elements.AddRow({QString::number(g), QStringLiteral("Рама %1").arg(g), QStringLiteral("Стержень      "), "1", "", "1",
                     "", "", "", "", "2"});
  }
  TableRows materials(tables.ColumnCountOf(QStringLiteral("Materials")));
  materials.AddRow({"1", "Бетон B25", "Бетон      ", "30000", "0,2", "2,5"});
  TableRows sections(tables.ColumnCountOf(QStringLiteral("SecBH")));
  sections.AddRow({"1", "1", "400x400", "Прямоугольник      ", "1", "", "40", "40"});
  TableRows points(tables.ColumnCountOf(QStringLiteral("Points")));
  points.AddRow({"1", "Опоры"});
  TableRows supports(tables.ColumnCountOf(QStringLiteral("Locking")));
  supports.AddRow({"1", "1", "Опоры", "·", "·", "·", "·", "·", "·"});
  tables.Write({{QStringLiteral("Elements"), elements},
                {QStringLiteral("Materials"), materials},
                {QStringLiteral("SecBH"), sections},
                {QStringLiteral("Points"), points},
                {QStringLiteral("Locking"), supports}});
}

struct Project {
  Project() { WriteTables(tables); }
  QTemporaryDir working;
  ProjectTables tables{QCoreApplication::applicationDirPath(), working.path(), QStringLiteral("N")};
  macros::StopFlag stop;
};

class NoPick : public cadhost::Picker {
 public:
  cadhost::EntityList Pick(const cadhost::EntityList&) override { return {}; }
};

void BuildScheme(benchmark::State& state, Dispatch& document, Project& project) {
  try {
    int elements = 0;
    for (auto _ : state) {
      const macros::SchemeOutcome outcome = macros::SchemeFromDrawing(project.tables, document, 0.001, project.stop);
      if (outcome.result != macros::SchemeOutcome::Result::Written) return state.SkipWithError("not written");
      elements = int(outcome.scheme.elements.size());
    }
    state.counters["elements"] = elements;
  } catch (const AutomationError& error) {
    state.SkipWithError(error.what());
  }
}

// The frames drawn in the host's model in this process.
struct DrawingInProcess {
  DrawingInProcess() { DrawFrames(*document); }
  NoPick picker;
  cadhost::NoWindow view;
  QTemporaryDir hostFolder;
  std::shared_ptr<cadhost::HostApplication> host = cadhost::HostApplication::Create({picker, view}, hostFolder.path());
  DispatchRef document = ObjectOf(host->Get(QStringLiteral("ActiveDocument")));
};

void BuildWithHostInProcess(benchmark::State& state) {
  DrawingInProcess drawing;
  Project project;
  BuildScheme(state, *drawing.document, project);
}

// The installation's Servers.ini starts the built trellis-cad on the benchmark's bus.
void BuildWithHostInItsOwnProcess(benchmark::State& state) {
  QTemporaryDir installation;
  QFile servers(installation.filePath(QStringLiteral("Servers.ini")));
  servers.open(QIODevice::WriteOnly);
  servers.write(QStringLiteral("[Servers]\r\nAutoCAD.Application=\"%1\" --automation AutoCAD.Application\r\n")
                    .arg(QStringLiteral(TRELLIS_CAD_HOST))
                    .toUtf8());
  servers.close();
  try {
    BusActivator activator(installation.path());
    const DispatchRef application = activator.CreateObject(kHost);
    const DispatchRef document = ObjectOf(application->Get(QStringLiteral("ActiveDocument")));
    DrawFrames(*document);
    Project project;
    BuildScheme(state, *document, project);
    Call(*application, QStringLiteral("Quit"));
  } catch (const AutomationError& error) {
    state.SkipWithError(error.what());
  }
}

void CheckBuiltScheme(benchmark::State& state) {
  DrawingInProcess drawing;
  Project project;
  macros::SchemeFromDrawing(project.tables, *drawing.document, 0.001, project.stop);
  const QHash<QString, int> counts =
      macros::CountGroupObjects(*drawing.document, macros::CheckedDrawingGroups(project.tables));
  size_t problems = 0;
  for (auto _ : state) problems = macros::CheckScheme(project.tables, counts, true).size();
  state.counters["problems"] = double(problems);
}

}  // namespace
}  // namespace trellis

int main(int argc, char** argv) {
  return trellis::bench::RunOnPrivateBus(argc, argv, [] {
    using benchmark::RegisterBenchmark;
    RegisterBenchmark("BuildScheme/20000Lines/HostInProcess", trellis::BuildWithHostInProcess)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(3);
    RegisterBenchmark("BuildScheme/20000Lines/HostInItsOwnProcess", trellis::BuildWithHostInItsOwnProcess)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(3);
    RegisterBenchmark("CheckScheme/20000Lines", trellis::CheckBuiltScheme)->Unit(benchmark::kMillisecond);
    benchmark::RunSpecifiedBenchmarks();
  });
}
