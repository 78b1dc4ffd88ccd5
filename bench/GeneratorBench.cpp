// The generated module text of a project whose 21 program tables hold 200,000 and 400,000 rows
// in total (model tables of eight cells a row, geometry tables of four), from the files on disk
// to the finished text. The time should grow in proportion to the rows.
#include "app/IniFiles.h"
#include "app/TextCodec.h"
#include "generator/ProgramModule.h"
#include "generator/ProgramTables.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace trellis {
namespace {

void Write(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) std::abort();
}

QByteArray TableText(qsizetype rows, bool geometry) {
  QByteArray text;
  text.reserve(rows * 64);
  for (qsizetype r = 1; r <= rows; ++r) {
    const QByteArray n = QByteArray::number(r);
    if (geometry) {
      text += n + '\t' + n + ",5\t" + QByteArray::number(r % 97) + "\t3,25\r\n";
    } else {
      text += n + "\t" + cp1251::Encode(u"Бетон B25") + "\t3,25E+07\t0,2\t2500\t" +
              QByteArray::number(r % 7) + "\t0\t12,5\r\n";
    }
  }
  return text;
}

// A saved project "Big" and a family folder with eight-column files for every table.
struct BigProject {
  QTemporaryDir dir;
  QString project = dir.filePath(QStringLiteral("Work"));
  QString family = dir.filePath(QStringLiteral("Kestrel"));

  explicit BigProject(qsizetype totalRows) {
    QDir().mkpath(project);
    QDir().mkpath(family);
    QByteArray columns;
    for (int k = 1; k <= 8; ++k) {
      columns += "[F" + QByteArray::number(k) + "]\r\nName=Column" + QByteArray::number(k) + "\r\n";
    }
    const ProgramTableNames names = FillProgramTableNames();
    QStringList extensions;
    for (int table = 1; table <= 20; ++table) {
      if (table == 11 || table == 17 || table == 9 || table == 13) continue;
      extensions << QStringLiteral("d%1").arg(table, 2, 10, QLatin1Char('0'));
      Write(family + u'/' + names.ProgramTableIni[size_t(table)] + QStringLiteral(".ini"), columns);
    }
    for (int table = 1; table <= 3; ++table) {
      extensions << QStringLiteral("g0%1").arg(table);
      Write(family + u'/' + names.GeometryTableIni[size_t(table)] + QStringLiteral(".ini"),
            columns);
    }
    const qsizetype rowsEach = totalRows / extensions.size();
    for (qsizetype i = 0; i < extensions.size(); ++i) {
      const qsizetype rows = i + 1 < extensions.size() ? rowsEach : totalRows - rowsEach * i;
      Write(project + QStringLiteral("/Big.") + extensions[i],
            TableText(rows, extensions[i].startsWith(u'g')));
    }
    Write(project + QStringLiteral("/Big.ini"), "[Calc]\r\nPsi=0,9\r\nIter=20\r\n");
  }
};

void BM_BuildProgramModule(benchmark::State& state) {
  const BigProject project(state.range(0));
  IniFiles ini;
  qsizetype size = 0;
  for (auto _ : state) {
    const QString module =
        BuildProgramModule(QStringLiteral("Big"), project.project, project.family, ini);
    size = module.size();
    benchmark::DoNotOptimize(module.constData());
  }
  state.SetComplexityN(state.range(0));
  state.counters["module_Mchars"] = double(size) / 1e6;
}
BENCHMARK(BM_BuildProgramModule)
    ->Arg(200000)
    ->Arg(400000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

}  // namespace
}  // namespace trellis
