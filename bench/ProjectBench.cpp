// Saving, opening and archiving a project of 20 tables holding 200,000 rows in all (about 12 MB
// of table files), as the project commands do it: the working set copied to the project folder
// file by file (written beside and renamed), back into a fresh working folder, and zipped.
#include "app/IniFiles.h"
#include "app/Prompter.h"
#include "app/SettingsStore.h"
#include "app/TextFiles.h"
#include "app/WorkingFolders.h"
#include "project/ProjectArchive.h"
#include "project/ProjectContext.h"
#include "project/ProjectHooks.h"
#include "project/ProjectOperations.h"
#include "tables/ProjectState.h"
#include "tables/TableContext.h"
#include "tables/TableOpening.h"
#include "tables/WindowModel.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "BenchTables.h"

#include <benchmark/benchmark.h>

namespace trellis {
namespace {

using bench::TableWorld;
using bench::WriteFile;

// No window to make busy and no results to drop.
class QuietProjectHooks : public ProjectHooks {
 public:
  void BeginBusy() override {}
  void EndBusy() override {}
  void ResetAfterProjectChange() override {}
};

constexpr int kTables = 20;
constexpr int kRowsPerTable = 10000;
constexpr int kColumns = 8;

// An installation of 20 tables, a project "big" saved once in <dir>/project, and its working set.
struct BigProject : TableWorld {
  QuietProjectHooks projectHooks;
  ProjectDialogState dialog;
  ProjectContext projectCtx{ctx, settings, prompter, projectHooks, dialog};
  QString projectFile = dir.filePath(QStringLiteral("project/big.d01"));
  qint64 tableBytes = 0;

  BigProject() {
    QByteArray tablesIni = "[Main]\r\nTables=";
    QByteArray sections;
    for (int t = 1; t <= kTables; ++t) {
      const QByteArray key = "T" + QByteArray::number(t);
      const QByteArray ext = QByteArray("d") + (t < 10 ? "0" : "") + QByteArray::number(t);
      tablesIni += (t > 1 ? "|" : "") + key;
      sections += "[" + key + "]\r\nExt=" + ext + "\r\nName=Table " + key + "\r\n";
      QByteArray columns;
      for (int k = 1; k <= kColumns; ++k) {
        columns += "[F" + QByteArray::number(k) + "]\r\nName=C" + QByteArray::number(k) + "\r\n";
      }
      WriteFile(install + "/" + key + ".ini", columns);
      QByteArray text;
      for (int r = 1; r <= kRowsPerTable; ++r) {
        text += QByteArray::number(r) + "\t\xC1\xE5\xF2\xEE\xED B" + QByteArray::number(r % 60);
        for (int k = 3; k <= kColumns; ++k) text += "\t" + QByteArray::number(r * 0.37 + k, 'f', 3);
        text += "\r\n";
      }
      tableBytes += text.size();
      WriteFile(folders.GetWorkingFolder() + "/big." + ext, text);
    }
    WriteFile(install + "/Tables.ini", tablesIni + "\r\n" + sections);
    WriteFile(install + "/Template/tr/VB.vbp", "Type=Exe\r\n");
    QDir().mkpath(QFileInfo(projectFile).absolutePath());
    project.projectBaseName = QStringLiteral("big");
    tables.currentTableKey = QStringLiteral("T1");
    window.fg1.SetWidthTwips(15000);
    OpenCurrentTable(ctx);
    if (!SaveProjectFile(projectCtx, projectFile)) std::abort();
  }
};

BigProject& Project() {
  static BigProject project;
  return project;
}

void BM_SaveProject(benchmark::State& state) {
  BigProject& p = Project();
  for (auto _ : state) {
    if (!SaveProjectFile(p.projectCtx, p.projectFile)) state.SkipWithError("the save did not finish");
  }
  state.SetBytesProcessed(state.iterations() * p.tableBytes);
}
BENCHMARK(BM_SaveProject)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_OpenProject(benchmark::State& state) {
  BigProject& p = Project();
  for (auto _ : state) {
    if (!OpenProjectFile(p.projectCtx, p.projectFile)) state.SkipWithError("the project did not open");
  }
  state.SetBytesProcessed(state.iterations() * p.tableBytes);
  state.counters["shown_rows"] = p.window.fg1.Data().RowCount();
}
BENCHMARK(BM_OpenProject)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_ArchiveProjectFolder(benchmark::State& state) {
  BigProject& p = Project();
  const QString zipPath = p.dir.filePath(QStringLiteral("big.zip"));
  for (auto _ : state) {
    if (!WriteFolderArchive(QFileInfo(p.projectFile).absolutePath(), zipPath).written) {
      state.SkipWithError("the archive was not written");
    }
  }
  state.SetBytesProcessed(state.iterations() * p.tableBytes);
  state.counters["zip_MB"] = double(QFileInfo(zipPath).size()) / 1e6;
  state.counters["tables_MB"] = double(p.tableBytes) / 1e6;
}
BENCHMARK(BM_ArchiveProjectFolder)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace trellis
