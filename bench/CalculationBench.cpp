// The calculation of a plane frame of 10,100 elements (50 bays of 6 m, 50 storeys of 3 m, every
// member in two elements, a load on every floor): the program's own share — the tables read, the
// input deck written, the solver's results read and the result tables written — beside the time
// CalculiX itself takes for the same deck.
#include "macros/calc/CalcModel.h"
#include "macros/calc/CaseResults.h"
#include "macros/calc/CcxDeck.h"
#include "macros/calc/CcxResults.h"
#include "macros/calc/ResultTables.h"
#include "macros/calc/SolverProcess.h"
#include "macros/CellValues.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace trellis {
namespace {

using namespace macros;
using namespace macros::calc;

constexpr int kBays = 50;
constexpr int kStoreys = 50;

QString Cell(double value) { return NumberCell(value, 3); }

// The frame's tables: nodes on a grid with a point half way along every member.
void WriteFrame(ProjectTables& tables) {
  TableRows main(5), all(5), elements(5);
  auto node = [&](double x, double z, const QString& group) {
    const QString n = QString::number(all.RowCount() + 1);
    if (!group.isNull()) main.AddRow({n, Cell(x), "0", Cell(z), group});
    all.AddRow({n, Cell(x), "0", Cell(z), n});
    return all.RowCount();
  };
  std::vector<std::vector<int>> grid(kBays + 1, std::vector<int>(kStoreys + 1));
  for (int c = 0; c <= kBays; ++c) {
    for (int s = 0; s <= kStoreys; ++s) grid[size_t(c)][size_t(s)] = node(6.0 * c, 3.0 * s, s == 0 ? "1" : s % 10 == 0 ? "2" : "");
  }
  auto member = [&](int from, int to, const char* group) {
    auto at = [&](int row, int column) { return CellNumber(all.Cell(row, column)).value_or(0); };
    const double x = (at(from, 2) + at(to, 2)) / 2;
    const double z = (at(from, 4) + at(to, 4)) / 2;
    const int middle = node(x, z, QString());
    for (const auto& [a, b] : {std::pair{from, middle}, std::pair{middle, to}}) {
      elements.AddRow({QString::number(elements.RowCount() + 1), QString::number(a), QString::number(b), group});
    }
  };
  for (int c = 0; c <= kBays; ++c) {
    for (int s = 0; s < kStoreys; ++s) member(grid[size_t(c)][size_t(s)], grid[size_t(c)][size_t(s + 1)], "1");
  }
  for (int s = 1; s <= kStoreys; ++s) {
    for (int c = 0; c < kBays; ++c) member(grid[size_t(c)][size_t(s)], grid[size_t(c + 1)][size_t(s)], "2");
  }
  auto rows = [](std::vector<QStringList> list) {
    TableRows t(20);
    for (QStringList& row : list) t.AddRow(std::move(row));
    return t;
  };
  const QString set = QStringLiteral("·");
  tables.Write({{"CoordPoints", main}, {"CoordAllPoints", all}, {"NumEl", elements},
                {"Materials", rows({{"1", "Бетон", "", "30000", "0,2", "2,5"}})},
                {"SecBH", rows({{"1", "1", "40x40", "Прямоугольник", "1", "", "40", "40"},
                                {"2", "2", "30x60", "Прямоугольник", "1", "", "30", "60"}})},
                {"Elements", rows({{"1", "Колонны", "Стержень", "1", "", "1"},
                                   {"2", "Ригели", "Стержень", "1", "", "2"}})},
                {"Points", rows({{"1", "Опоры"}, {"2", "Перекрытия"}})},
                {"Locking", rows({{"1", "1", "", set, set, set, set, set, set}})},
                {"Loads", rows({{"1", "Вес", "", "", "", set}, {"2", "Ветер"}})},
                {"q", rows({{"1", "1", "", "2", "", "Равномерная", "", "", set, "", "-20"}})},
                {"p", rows({{"1", "2", "", "2", "", "10"}})}});
}

struct Frame {
  Frame() {
    WriteFrame(tables);
    options.spatial = false;
  }
  QTemporaryDir working;
  ProjectTables tables{QCoreApplication::applicationDirPath(), working.path(), QStringLiteral("N")};
  CalcOptions options;
};

Frame& SharedFrame() {
  static Frame frame;
  return frame;
}

// The solver's results for the frame, made once.
const QString& Solved() {
  static const QString frd = [] {
    Frame& frame = SharedFrame();
    const ModelReading reading = ReadModel(frame.tables, frame.options);
    QFile deck(frame.working.filePath("N.inp"));
    deck.open(QIODevice::WriteOnly);
    deck.write(WriteDeck(reading.model, LayOut(reading.model)).toUtf8());
    deck.close();
    RunSolver(QStringLiteral("ccx"), frame.working.path(), QStringLiteral("N"), {});
    return frame.working.filePath("N.frd");
  }();
  return frd;
}

void BM_TablesToDeck(benchmark::State& state) {
  Frame& frame = SharedFrame();
  for (auto _ : state) {
    const ModelReading reading = ReadModel(frame.tables, frame.options);
    if (!reading.problems.empty()) state.SkipWithError("the frame has problems");
    QFile deck(frame.working.filePath("deck.inp"));
    deck.open(QIODevice::WriteOnly);
    deck.write(WriteDeck(reading.model, LayOut(reading.model)).toUtf8());
    state.counters["elements"] = double(reading.model.bars.size());
  }
}
BENCHMARK(BM_TablesToDeck)->Unit(benchmark::kMillisecond);

void BM_CalculiX(benchmark::State& state) {
  Frame& frame = SharedFrame();
  Solved();
  for (auto _ : state) {
    const SolverRun run = RunSolver(QStringLiteral("ccx"), frame.working.path(), QStringLiteral("N"), {});
    if (run.end != SolverRun::End::Done) state.SkipWithError("ccx failed");
  }
}
BENCHMARK(BM_CalculiX)->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_ResultsToTables(benchmark::State& state) {
  Frame& frame = SharedFrame();
  const QString& frd = Solved();
  const ModelReading reading = ReadModel(frame.tables, frame.options);
  const DeckLayout layout = LayOut(reading.model);
  for (auto _ : state) {
    const SolverResults read = ReadSolverResults(frd);
    if (read.steps.size() != reading.model.cases.size()) state.SkipWithError("no results");
    std::vector<CaseResults> results;
    for (size_t c = 0; c < read.steps.size(); ++c) {
      results.push_back(ResultsOfStep(reading.model, layout, reading.model.cases[c], read.steps[c]));
    }
    if (WriteResultTables(frame.tables, reading.model, results)) state.SkipWithError("not written");
  }
}
BENCHMARK(BM_ResultsToTables)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace trellis
