// The window's speed: from process start to the main window shown on the default
// installation, and opening a table of 100,000 rows into the grid up to its first paint.
// Without a session bus (the program reaches the drawing host over one) the benchmark runs a
// dbus-daemon of its own; ending it at the close also ends the host the program started on it.
#include "PrivateBus.h"

#include "app/IniFiles.h"
#include "tables/GridFilling.h"
#include "ui/ApplicationContext.h"
#include "ui/GridView.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "SilentPrompter.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <memory>

namespace trellis {
namespace {

using bench::SilentPrompter;

// The whole program under the offscreen platform, with a fresh user, until its window is up.
void BM_StartToWindowShown(benchmark::State& state) {
  QTemporaryDir home;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  env.insert(QStringLiteral("TRELLIS_SETTINGS_HOME"), home.filePath(QStringLiteral("config")));
  env.insert(QStringLiteral("SystemDrive"), home.filePath(QStringLiteral("drive")));
  const QString program = QCoreApplication::applicationDirPath() + QStringLiteral("/trellis");
  for (auto _ : state) {
    QProcess trellis;
    trellis.setProcessEnvironment(env);
    QElapsedTimer clock;
    clock.start();
    trellis.start(program, {QStringLiteral("--exit-after-start")});
    if (!trellis.waitForFinished(30000) || trellis.exitCode() != 0) {
      state.SkipWithError("trellis did not start");
      break;
    }
    state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
  }
}
BENCHMARK(BM_StartToWindowShown)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

// A 100,000 x 20 table, as the table benchmark makes it.
void BM_OpenBigTableIntoTheGrid(benchmark::State& state) {
  QTemporaryDir dir;
  const auto write = [&](const QString& name, const QByteArray& bytes) {
    QFile f(dir.filePath(name));
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
  };
  write(QStringLiteral("Tables.ini"), "[Main]\r\nTables=Big\r\n[Big]\r\nExt=d02\r\nName=Big\r\n");
  QByteArray columns;
  for (int k = 1; k <= 20; ++k) columns += "[F" + QByteArray::number(k) + "]\r\nName=C" + QByteArray::number(k) + "\r\n";
  columns += "[F3]\r\nType=b\r\n";
  write(QStringLiteral("Big.ini"), columns);

  SilentPrompter prompter;
  ApplicationContext app(dir.path(), dir.filePath(QStringLiteral("config")), dir.filePath(QStringLiteral("drive")), 1, prompter);
  app.project.projectBaseName = QStringLiteral("big");
  QByteArray text;
  for (int r = 1; r <= 100000; ++r) {
    text += QByteArray::number(r);
    for (int k = 2; k <= 20; ++k) text += "\t" + QByteArray::number(r * 0.37 + k, 'f', 2);
    text += "\r\n";
  }
  QFile file(app.folders.GetWorkingFolder() + QStringLiteral("/big.d02"));
  file.open(QIODevice::WriteOnly);
  file.write(text);
  file.close();

  GridView view(app.window.fg1);
  view.resize(1200, 700);
  view.show();
  TableContext ctx = app.Tables();
  for (auto _ : state) {
    FillGrid(ctx, app.window.fg1, QStringLiteral("Big"), false);
    view.repaint();  // the first paint of what is on screen
  }
}
BENCHMARK(BM_OpenBigTableIntoTheGrid)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
}  // namespace trellis

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  std::unique_ptr<trellis::test::PrivateBus> bus;
  if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS")) {
    bus = std::make_unique<trellis::test::PrivateBus>();
    if (bus->Address().isEmpty()) {
      std::fprintf(stderr, "dbus-daemon could not be started\n");
      return 1;
    }
    qputenv("DBUS_SESSION_BUS_ADDRESS", bus->Address().toUtf8());
  }
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
