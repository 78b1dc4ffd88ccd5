// Row work beyond the shown table: the links brought up to date and the rows that lost their
// source removed, for one link of 20,000 and of 40,000 rows referring to as many source rows,
// with both tables read from and written to their working files as the program does; and a
// block of 10,000 rows by 10 columns pasted from the clipboard text and taken back, and what
// the history of 100 steps holds beside a table of 100,000 rows.
#include "app/IniFiles.h"
#include "app/SettingsStore.h"
#include "app/TextFiles.h"
#include "app/WorkingFolders.h"
#include "tables/CatalogueLoading.h"
#include "tables/ProjectState.h"
#include "tables/CellEditing.h"
#include "tables/RowOperations.h"
#include "tables/TableContext.h"
#include "tables/TableLinkMaintenance.h"
#include "tables/TableUndo.h"
#include "tables/WindowModel.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "BenchTables.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdlib>
#include <map>
#include <memory>
#include <vector>

namespace trellis {
namespace {

using bench::TableWorld;
using bench::WriteFile;

QByteArray Read(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// An installation of the given tables in one group, a project "p" and the table state around
// them; the catalogue is loaded as the program loads it once the files are written.
struct Installation : TableWorld {
  // Tables: (key, ext, description file text) in tab order.
  explicit Installation(const std::vector<std::array<QByteArray, 3>>& tableList) {
    QByteArray keys, sections;
    for (const auto& [key, ext, columns] : tableList) {
      keys += (keys.isEmpty() ? "" : "|") + key;
      sections += "[" + key + "]\r\nExt=" + ext + "\r\nName=" + key + "\r\n";
      WriteFile(install + "/" + key + ".ini", columns);
    }
    WriteFile(install + "/Tables.ini", "[Main]\r\nTables=" + keys +
                                       "\r\n[Ext]\r\nExtBmp=d\r\nExtName=Model\r\nPost=0\r\n" +
                                       sections);
    WriteFile(install + "/bmp/Left/d.bmp", "BM");
    project.projectBaseName = QStringLiteral("p");
    window.fg1.SetWidthTwips(15000);
  }

  QString Working(const char* name) { return folders.GetWorkingFolder() + "/" + name; }

  void LoadCatalogue() {
    BuildGroupButtons(ctx);
    trellis::LoadCatalogue(ctx);
  }
};

// Materials and the elements made of them: element column 2 names a material by its number
// and columns 3 to 5 follow the material's name, modulus and density (one link record).
struct LinkedTables : Installation {
  int rows;
  QByteArray materials, materialsAfterDelete, elements, elementsStale;
  int elementsLeftAfterDelete = 0;

  explicit LinkedTables(int rowCount)
      : Installation(
            {{"Materials", "d01",
              "[F1]\r\nName=N\r\nType=i\r\nVar=mat\r\n[F2]\r\nName=Name\r\nVar=matname\r\n"
              "[F3]\r\nName=E\r\nVar=E\r\n[F4]\r\nName=Density\r\nVar=ro\r\n"
              "[F5]\r\nName=Poisson\r\nVar=nu\r\n[F6]\r\nName=Note\r\n"},
             {"Elements", "d02",
              "[F1]\r\nName=N\r\nType=i\r\n"
              "[F2]\r\nName=Material\r\nType=i\r\nSource=Materials\r\nVar=mat\r\nIndex=1\r\n"
              "[F3]\r\nName=Material_name\r\nSource=Materials\r\nVar=matname\r\nIndex=1\r\n"
              "[F4]\r\nName=E\r\nSource=Materials\r\nVar=E\r\nIndex=1\r\n"
              "[F5]\r\nName=Density\r\nSource=Materials\r\nVar=ro\r\nIndex=1\r\n"
              "[F6]\r\nName=Length\r\n[F7]\r\nName=Section\r\n[F8]\r\nName=Node\r\n"}}),
        rows(rowCount) {
    const auto name = [](int m) {
      return "\xC1\xE5\xF2\xEE\xED B" + QByteArray::number(m % 60) + "-" + QByteArray::number(m);
    };
    const auto modulus = [](int m, int edit) {
      return QByteArray::number(30000 + m % 97 * 10 + edit);
    };
    const auto density = [](int m) { return QByteArray::number(2.4 + m % 13 * 0.05, 'f', 2); };
    for (int m = 1; m <= rows; ++m) {
      const QByteArray line = QByteArray::number(m) + "\t" + name(m) + "\t" + modulus(m, 0) + "\t" +
                              density(m) + "\t0,2\tfrom the catalogue\r\n";
      materials += line;
      // Every tenth material deleted.
      if (m % 10 != 0) materialsAfterDelete += line;
    }
    for (int r = 1; r <= rows; ++r) {
      // Materials spread over the elements; 7919 is a prime that divides neither size, so
      // each material is used once.
      const int m = int(qint64(r) * 7919 % rows) + 1;
      const QByteArray own = "\t" + QByteArray::number(r * 0.25, 'f', 2) + "\t40x40\t" +
                             QByteArray::number(r % 500 + 1) + "\r\n";
      const QByteArray head =
          QByteArray::number(r) + "\t" + QByteArray::number(m) + "\t" + name(m) + "\t";
      elements += head + modulus(m, 0) + "\t" + density(m) + own;
      // The moduli before the materials were edited.
      elementsStale += head + modulus(m, 5) + "\t" + density(m) + own;
      if (m % 10 != 0) ++elementsLeftAfterDelete;
    }
  }
};

LinkedTables& Linked(int rows) {
  // One set of files per size, built once.
  static std::map<int, std::unique_ptr<LinkedTables>> made;
  auto& tables = made[rows];
  if (!tables) {
    tables = std::make_unique<LinkedTables>(rows);
    WriteFile(tables->Working("p.d01"), tables->materials);
    WriteFile(tables->Working("p.d02"), tables->elements);
    tables->LoadCatalogue();
  }
  return *tables;
}

// Opening the elements after the materials' moduli changed: every element takes the new one.
void BM_UpdateLinks(benchmark::State& state) {
  LinkedTables& t = Linked(int(state.range(0)));
  WriteFile(t.Working("p.d01"), t.materials);
  t.window.Tabs1.Select(2);  // the elements are the table being opened
  for (auto _ : state) {
    state.PauseTiming();
    WriteFile(t.Working("p.d02"), t.elementsStale);
    state.ResumeTiming();
    if (!UpdateLinks(t.ctx)) return state.SkipWithError("the shown table was not changed");
  }
  if (Read(t.Working("p.d02")) != t.elements)
    state.SkipWithError("the elements were not brought up to date");
  state.counters["linking_rows"] = t.rows;
}
BENCHMARK(BM_UpdateLinks)->Arg(20000)->Arg(40000)->Unit(benchmark::kMillisecond);

// Every tenth material deleted while the materials are shown: their elements go.
void BM_DeleteNoLink(benchmark::State& state) {
  LinkedTables& t = Linked(int(state.range(0)));
  WriteFile(t.Working("p.d01"), t.materialsAfterDelete);
  t.window.Tabs1.Select(1);
  for (auto _ : state) {
    state.PauseTiming();
    WriteFile(t.Working("p.d02"), t.elements);
    state.ResumeTiming();
    DeleteNoLink(t.ctx);
  }
  const qsizetype left = Read(t.Working("p.d02")).count('\n');
  if (left != t.elementsLeftAfterDelete) state.SkipWithError("the wrong rows were removed");
  state.counters["rows_removed"] = double(t.rows - left);
}
BENCHMARK(BM_DeleteNoLink)->Arg(20000)->Arg(40000)->Unit(benchmark::kMillisecond);

constexpr int kPasteRows = 10000;
constexpr int kPasteColumns = 10;

QByteArray TextColumns(int count) {
  QByteArray columns;
  for (int k = 1; k <= count; ++k)
    columns += "[F" + QByteArray::number(k) + "]\r\nName=Text_" + QByteArray::number(k) + "\r\n";
  return columns;
}

// Text columns 1..Columns of Rows rows, cell (r, k) holding r * 100 + k, shown in the grid.
struct NumberedTable : Installation {
  NumberedTable(int rows, int columns) : Installation({{"Notes", "d01", TextColumns(columns)}}) {
    QByteArray file;
    for (int r = 1; r <= rows; ++r) {
      for (int k = 1; k <= columns; ++k) file += (k > 1 ? "\t" : "") + QByteArray::number(r * 100 + k);
      file += "\r\n";
    }
    WriteFile(Working("p.d01"), file);
    LoadCatalogue();
  }
};

// Columns 1..12 of 10,000 rows; rows 1..10,000 of columns 2..11 are selected and two clipboard
// texts (TAB between cells, CR LF after each line, as spreadsheets copy) take turns.
struct PasteWorld : NumberedTable {
  QString clipboards[2];
  PasteWorld() : NumberedTable(kPasteRows, kPasteColumns + 2) {
    for (int i = 0; i < 2; ++i) {
      for (int r = 1; r <= kPasteRows; ++r) {
        for (int k = 1; k <= kPasteColumns; ++k) {
          clipboards[i] += (k > 1 ? QStringLiteral("\t") : QString()) +
                           QStringLiteral("Значение %1.%2.%3").arg(i).arg(r).arg(k);
        }
        clipboards[i] += QStringLiteral("\r\n");
      }
    }
    window.fg1.SetSelection(1, 2, kPasteRows, kPasteColumns + 1);
  }
  QString Cell(int row, int column) { return window.fg1.Data().Cell(row, column); }
};

void BM_PasteClipboard(benchmark::State& state) {
  PasteWorld t;
  if (t.window.fg1.Rows() != kPasteRows) return state.SkipWithError("the table did not load");
  int turn = 0;
  for (auto _ : state) {
    if (PasteClipboard(t.ctx, t.clipboards[turn]).refused != 0)
      return state.SkipWithError("the paste was refused");
    turn = 1 - turn;
  }
  const QString expected =
      QStringLiteral("Значение %1.%2.%3").arg(1 - turn).arg(kPasteRows).arg(kPasteColumns);
  if (t.Cell(kPasteRows, kPasteColumns + 1) != expected ||
      t.Cell(kPasteRows, kPasteColumns + 2) != QString::number(kPasteRows * 100 + 12)) {
    state.SkipWithError("the block did not land in the selected range");
  }
}
BENCHMARK(BM_PasteClipboard)->Unit(benchmark::kMillisecond);

// Taking back a paste of 10,000 rows by 10 columns: only the undo is timed.
void BM_UndoPaste(benchmark::State& state) {
  PasteWorld t;
  if (t.window.fg1.Rows() != kPasteRows) return state.SkipWithError("the table did not load");
  int turn = 0;
  for (auto _ : state) {
    state.PauseTiming();
    PasteClipboard(t.ctx, t.clipboards[turn]);
    turn = 1 - turn;
    state.ResumeTiming();
    if (!UndoEdit(t.ctx)) return state.SkipWithError("nothing to undo");
  }
  if (t.Cell(kPasteRows, kPasteColumns + 1) != QString::number(kPasteRows * 100 + kPasteColumns + 1))
    state.SkipWithError("the undo did not restore the cells");
}
BENCHMARK(BM_UndoPaste)->Unit(benchmark::kMillisecond);

// What 100 steps of one kind hold in the history of a table of 100,000 rows by 10 columns,
// beside what the table's store holds: typing a cell (0), pasting 100 rows by 10 columns (1),
// clearing 1,000 rows by 10 columns (2), adding a row (3), deleting 10 rows (4), sorting the
// whole table (5).
void BM_UndoHistoryMemory(benchmark::State& state) {
  constexpr int kRows = 100000, kColumns = 10;
  const int kind = int(state.range(0));
  for (auto _ : state) {
    NumberedTable t(kRows, kColumns);
    Grid& grid = t.window.fg1;
    QString block;
    for (int r = 1; r <= 100; ++r) block += QStringLiteral("a%1\tb\tc\td\te\tf\tg\th\ti\tj\r\n").arg(r);
    const qsizetype store = grid.Data().MemoryBytes();
    for (int step = 0; step < EditHistory::kMaxSteps; ++step) {
      const int row = 1 + (step * 997) % (kRows - 1000);
      switch (kind) {
        case 0:
          grid.SelectCell(row, 2);
          WriteEditorText(t.ctx, CellEditAction::TextBox, QStringLiteral("значение %1").arg(step));
          break;
        case 1:
          grid.SelectCell(row, 1);
          PasteClipboard(t.ctx, block);
          break;
        case 2:
          grid.SetSelection(row, 1, row + 999, kColumns);
          ClearSelection(t.ctx);
          break;
        case 3: AddRow(t.ctx); break;
        case 4:
          grid.SetSelection(row, 1, row + 9, kColumns);
          t.tables.history.Push(EditStep{QStringLiteral("удаление"), {TableEditList{
              QStringLiteral("d01"), kColumns, {RemoveRowSet(grid.Data(), {row, row + 2, row + 4, row + 6, row + 8,
                                                                          row + 10, row + 12, row + 14, row + 16, row + 18})}}}});
          break;
        case 5:
          grid.SetSelection(1, 1 + step % kColumns, grid.Rows(), 1 + step % kColumns);
          SortSelection(t.ctx, step % 2 ? SortOrder::Ascending : SortOrder::Descending);
          break;
      }
    }
    if (t.tables.history.Count() != size_t(EditHistory::kMaxSteps)) return state.SkipWithError("steps missing");
    const qsizetype history = t.tables.history.MemoryBytes();
    state.counters["store_MB"] = double(store) / 1e6;
    state.counters["history_MB"] = double(history) / 1e6;
    state.counters["history_per_store"] = double(history) / double(store);
  }
}
BENCHMARK(BM_UndoHistoryMemory)->DenseRange(0, 5)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace trellis
