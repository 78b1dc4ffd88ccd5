// Opening and saving a drawing of 100,000 lines (about 25 MB), and python3-ezdxf reading the
// same file once for comparison (reported as the ezdxf_read_ms counter; 0 when it is missing).
// Opening is timed twice: the file's records alone, and the whole drawing the host works with.
// Then a window pick over a drawing of 10,000 lines.
#include "cad-host/HostApplication.h"
#include "cad-host/HostDocument.h"
#include "cad-host/HostDocuments.h"
#include "cad-host/HostModelSpace.h"
#include "cad-host/PickSession.h"
#include "cad-host/dxf/DxfReader.h"
#include "cad-host/dxf/DxfWriter.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

using namespace trellis::cadhost;

DxfFile LargeDrawing() {
  DxfFile file;
  file.layers.push_back({QStringLiteral("Beams"), 1, true, false, false, {}, {}});
  file.entities.reserve(100000);
  quint64 handle = 0x100;
  for (int i = 0; i < 100000; ++i) {
    DxfRecord line;
    line.Append(0, "LINE");
    line.Append(5, HandleText(handle++));
    line.Append(330, "1F");
    line.Append(100, "AcDbEntity");
    line.Append(8, "Beams");
    line.Append(100, "AcDbLine");
    const double x = i * 0.731234567891, y = i * 1.37123456789;
    line.Append(10, DxfNumber(x));
    line.Append(20, DxfNumber(y));
    line.Append(30, "0.0");
    line.Append(11, DxfNumber(x + 3.123456789012));
    line.Append(21, DxfNumber(y + 4.987654321098));
    line.Append(31, "0.0");
    file.entities.push_back(std::move(line));
  }
  file.modelSpaceHandle = "1F";
  file.handleSeed = handle;
  return file;
}

struct Fixture {
  QTemporaryDir dir;
  DxfFile drawing = LargeDrawing();
  QByteArray bytes = WriteDxf(drawing);
  QString path = dir.filePath(QStringLiteral("large.dxf"));
  double ezdxfMs = 0;

  Fixture() {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
    file.close();
    for (const QString& python : {QStringLiteral("python3"), QStringLiteral("/usr/bin/python3")}) {
      QProcess process;
      process.start(python, {"-c",
                             "import sys, time, ezdxf\n"
                             "t = time.perf_counter()\n"
                             "ezdxf.readfile(sys.argv[1])\n"
                             "print((time.perf_counter() - t) * 1000)\n",
                             path});
      if (process.waitForFinished(300000) && process.exitCode() == 0) {
        ezdxfMs = process.readAllStandardOutput().trimmed().toDouble();
        break;
      }
    }
  }
};

Fixture& Shared() {
  static Fixture fixture;
  return fixture;
}

void BM_ReadDxf100kLines(benchmark::State& state) {
  Fixture& fixture = Shared();
  for (auto _ : state) {
    DxfFile file = ReadDxf(fixture.bytes);
    benchmark::DoNotOptimize(file.entities.data());
  }
  state.SetBytesProcessed(state.iterations() * fixture.bytes.size());
  state.counters["ezdxf_read_ms"] = fixture.ezdxfMs;
  state.counters["file_MB"] = double(fixture.bytes.size()) / 1e6;
}
BENCHMARK(BM_ReadDxf100kLines)->Unit(benchmark::kMillisecond);

void BM_WriteDxf100kLines(benchmark::State& state) {
  Fixture& fixture = Shared();
  for (auto _ : state) {
    QByteArray bytes = WriteDxf(fixture.drawing);
    benchmark::DoNotOptimize(bytes.data());
  }
  state.SetBytesProcessed(state.iterations() * fixture.bytes.size());
}
BENCHMARK(BM_WriteDxf100kLines)->Unit(benchmark::kMillisecond);

class NobodyPicks : public Picker {
 public:
  EntityList Pick(const EntityList&) override { return {}; }
};

void BM_OpenDrawing100kLines(benchmark::State& state) {
  Fixture& fixture = Shared();
  NobodyPicks picker;
  NoWindow view;
  const auto host = HostApplication::Create({picker, view}, fixture.dir.path());
  for (auto _ : state) {
    const auto document = host->Documents().Open(fixture.path);
    if (document->ModelSpace().Entities().size() != 100000) state.SkipWithError("lines lost");
    state.PauseTiming();
    host->Documents().Close(document.get());
    state.ResumeTiming();
  }
  state.counters["ezdxf_read_ms"] = fixture.ezdxfMs;
}
BENCHMARK(BM_OpenDrawing100kLines)->Unit(benchmark::kMillisecond);

// The lines of a 100 by 100 grid, picked by one window around all of them in plan.
void BM_WindowPick10kLines(benchmark::State& state) {
  NobodyPicks picker;
  NoWindow view;
  const auto host = HostApplication::Create({picker, view}, QString());
  HostModelSpace& space = host->ActiveDocument()->ModelSpace();
  for (int i = 0; i < 10000; ++i) {
    space.AddLine({double(i % 100), double(i / 100), 0}, {i % 100 + 0.5, double(i / 100), 1});
  }
  const Projection plan = [](const Point3& p) { return QPointF(p[0] * 8, -p[1] * 8); };
  for (auto _ : state) {
    PickSession session(space.Entities());
    if (session.Rectangle(plan, QPointF(-10, -1000), QPointF(1000, 10), false) != 10000)
      state.SkipWithError("the window missed lines");
    session.Finish();
    benchmark::DoNotOptimize(session.Picked().data());
  }
}
BENCHMARK(BM_WindowPick10kLines)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
