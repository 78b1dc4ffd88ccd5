// Loading and saving a table of 100,000 rows by 20 columns (about 15 MB), with pandas reading
// the same file for comparison when Debian's python3-pandas is installed.
#include "app/IniFiles.h"
#include "app/Prompter.h"
#include "app/SettingsStore.h"
#include "app/TextFiles.h"
#include "app/WorkingFolders.h"
#include "tables/GridFilling.h"
#include "tables/ProjectState.h"
#include "tables/TableContext.h"
#include "tables/WindowModel.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include "BenchTables.h"

#include <benchmark/benchmark.h>

namespace trellis {
namespace {

using bench::TableWorld;
using bench::WriteFile;

constexpr int kRows = 100000;
constexpr int kColumns = 20;

// An installation with one table of 20 columns of the usual kinds, and its working file.
struct BigTable : TableWorld {
  QString file;

  BigTable() {
    project.projectBaseName = QStringLiteral("big");
    QByteArray tablesIni = "[Main]\r\nTables=Elements\r\n[Elements]\r\nExt=d02\r\nName=Elements\r\n";
    QByteArray columns;
    for (int k = 1; k <= kColumns; ++k) {
      columns += "[F" + QByteArray::number(k) + "]\r\nName=Column_" + QByteArray::number(k) + "\r\n";
      if (k == 1) columns += "Type=i\r\n";
      if (k == 2) columns += "List=Concrete|Steel|Timber\r\n";
      if (k == 3) columns += "Type=b\r\n";
    }
    WriteFile(install + QStringLiteral("/Tables.ini"), tablesIni);
    WriteFile(install + QStringLiteral("/Elements.ini"), columns);

    QByteArray text;
    text.reserve(16 << 20);
    for (int r = 1; r <= kRows; ++r) {
      text += QByteArray::number(r) + "\t" + (r % 3 ? "Concrete" : "Steel") + "\t" + (r % 2 ? "\xB7" : "");
      for (int k = 4; k <= kColumns; ++k) text += "\t" + QByteArray::number(r * 0.37 + k, 'f', 2);
      text += "\r\n";
    }
    file = folders.GetWorkingFolder() + QStringLiteral("/big.d02");
    WriteFile(file, text);
    tables.currentTableKey = QStringLiteral("Elements");
    window.fg1.SetWidthTwips(15000);
  }
};

BigTable& Table() {
  static BigTable table;
  return table;
}

void BM_LoadTable(benchmark::State& state) {
  BigTable& t = Table();
  for (auto _ : state) FillGrid(t.ctx, t.window.fg1, QStringLiteral("Elements"), false);
  const double fileBytes = double(QFileInfo(t.file).size());
  state.counters["file_MB"] = fileBytes / 1e6;
  state.counters["store_MB"] = double(t.window.fg1.Data().MemoryBytes()) / 1e6;
  state.counters["store_per_file"] = double(t.window.fg1.Data().MemoryBytes()) / fileBytes;
}
BENCHMARK(BM_LoadTable)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_SaveTableUnchanged(benchmark::State& state) {
  BigTable& t = Table();
  FillGrid(t.ctx, t.window.fg1, QStringLiteral("Elements"), false);
  for (auto _ : state) {
    if (SaveTable(t.ctx, t.file)) {
      state.SkipWithError("an unchanged table was written");
      break;
    }
  }
}
BENCHMARK(BM_SaveTableUnchanged)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_SaveTableOneCellChanged(benchmark::State& state) {
  BigTable& t = Table();
  FillGrid(t.ctx, t.window.fg1, QStringLiteral("Elements"), false);
  int i = 0;
  for (auto _ : state) {
    t.window.fg1.Data().SetCell(kRows / 2, 5, QString::number(++i));
    if (!SaveTable(t.ctx, t.file)) {
      state.SkipWithError("a changed table was not written");
      break;
    }
  }
}
BENCHMARK(BM_SaveTableOneCellChanged)->Unit(benchmark::kMillisecond)->Iterations(5);

// pandas.read_csv(sep='\t', dtype=str, header=None) of the same file, timed inside Python.
void BM_PandasReadCsv(benchmark::State& state) {
  BigTable& t = Table();
  const QString script = QStringLiteral(
      "import sys, time, pandas\n"
      "t = time.perf_counter()\n"
      "pandas.read_csv(sys.argv[1], sep='\\t', dtype=str, header=None, encoding='cp1251')\n"
      "print(time.perf_counter() - t)\n");
  for (auto _ : state) {
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-c"), script, t.file});
    if (!python.waitForFinished(120000) || python.exitCode() != 0) {
      state.SkipWithError("python3-pandas is not installed");
      return;
    }
    state.SetIterationTime(python.readAllStandardOutput().trimmed().toDouble());
  }
}
BENCHMARK(BM_PandasReadCsv)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(3);

}  // namespace
}  // namespace trellis
