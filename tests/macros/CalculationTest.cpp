#include "MacroProject.h"

#include "app/IniFiles.h"
#include "automation/Arguments.h"
#include "macros/CellValues.h"
#include "macros/calc/Calculation.h"
#include "macros/calc/CalculationMacro.h"
#include "macros/scheme/SchemeMacro.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include <cmath>
#include <map>
#include <numbers>

namespace trellis::test {
namespace {

using macros::calc::CalculationOutcome;
using ::testing::HasSubstr;

const QString kSet = QStringLiteral("·");

// Steel, and a 20 × 40 cm bar standing upright in the frame's plane.
constexpr double kE = 2e8;  // kN/m²
constexpr double kArea = 0.2 * 0.4;
constexpr double kI = 0.2 * 0.4 * 0.4 * 0.4 / 12;
constexpr double kEI = kE * kI;

QString Cell(double value) { return macros::NumberCell(value, 9); }

// A structure written as the project's tables: nodes in the XZ plane unless given a Y, bars
// between them in element groups, node groups by name for supports and loads.
class Structure {
 public:
  Structure() {
    t_["Materials"] = {{"1", "Сталь", "Сталь      ", "200000", "0,3", "7,85", "", "", "0,000012"}};
    t_["SecBH"] = {{"1", "1", "20x40", "Прямоугольник      ", "1", "Сталь", "20", "40"},
                   {"2", "2", "5x5", "Прямоугольник      ", "1", "Сталь", "5", "5"}};
    t_["Loads"] = {{"1", "Первое", "Постоянная      "}, {"2", "Второе", "Длительная      "}};
  }

  void Node(int number, double x, double z, const QString& group = {}, double y = 0) {
    const QString n = QString::number(number);
    t_["CoordPoints"].push_back({n, Cell(x), Cell(y), Cell(z), group});
    t_["CoordAllPoints"].push_back({n, Cell(x), Cell(y), Cell(z), n});
  }
  void Bar(int node1, int node2, int group) {
    auto& elements = t_["NumEl"];
    elements.push_back({QString::number(elements.size() + 1), QString::number(node1),
                        QString::number(node2), QString::number(group)});
  }
  // Type "Стержень" or "Ферменный стержень"; section 1 (20 × 40) or 2 (5 × 5).
  void Group(int number, const char* type = "Стержень", int section = 1, bool hingeAtStart = false) {
    t_["Elements"].push_back({QString::number(number), "Группа", QString::fromUtf8(type) + "      ",
                              "1", "Сталь", QString::number(section), "",
                              hingeAtStart ? kSet : QString()});
    Points(number);
  }
  void Points(int number) {
    auto& points = t_["Points"];
    const QString n = QString::number(number);
    for (const QStringList& row : points) {
      if (row.value(0) == n) return;
    }
    points.push_back({n, QStringLiteral("Узлы ") + n});
  }
  // Fixities X, Y, Z, UX, UY, UZ as "110010".
  void Support(int group, const char* fixed) {
    Points(group);
    QStringList row{QString::number(t_["Locking"].size() + 1), QString::number(group), ""};
    for (int d = 0; d < 6; ++d) row << (fixed[d] == '1' ? kSet : QString());
    t_["Locking"].push_back(row);
  }
  void NodeLoad(int loadCase, int group, int direction, double value) {
    Points(group);
    QStringList row{QString::number(t_["p"].size() + 1), QString::number(loadCase), "",
                    QString::number(group), "", "", "", "", "", "", ""};
    row[5 + direction] = Cell(value);
    t_["p"].push_back(row);
  }
  // Direction 0, 1, 2 for X, Y, Z (global unless local).
  void Uniform(int loadCase, int group, int direction, double q, bool local = false) {
    QStringList row{QString::number(t_["q"].size() + 1), QString::number(loadCase), "",
                    QString::number(group), "", "Равномерная      ", "", "", "",
                    local ? kSet : QString(), Cell(q)};
    row[6 + direction] = kSet;
    t_["q"].push_back(row);
  }
  void Heat(int loadCase, int group, double uniform, double acrossZ) {
    t_["T"].push_back({QString::number(t_["T"].size() + 1), QString::number(loadCase), "",
                       QString::number(group), "", Cell(uniform), "", Cell(acrossZ)});
  }
  std::vector<QStringList>& operator[](const char* key) { return t_[QString::fromLatin1(key)]; }

  CalculationOutcome Calculate(MacroProject& project, bool spatial = false,
                               std::function<bool()> stop = {}) const {
    for (const auto& [key, table] : t_) project.WriteTable(key, table);
    macros::calc::CalculationInput input;
    input.workingFolder = project.working.Path();
    input.baseName = QStringLiteral("N");
    input.options.spatial = spatial;
    macros::calc::CalculationWatch watch;
    watch.stopRequested = std::move(stop);
    return macros::calc::Calculate(project.tables, input, watch);
  }

 private:
  std::map<QString, std::vector<QStringList>> t_;
};

// The result tables as values by "case/node" and "case/element/position".
class Results {
 public:
  explicit Results(MacroProject& project) {
    const macros::TableRows moved = project.Read(QStringLiteral("Displacements"));
    for (int row = 1; row <= moved.RowCount(); ++row) {
      std::array<double, 6> values{};
      for (int d = 0; d < 6; ++d) values[size_t(d)] = Number(moved.Cell(row, 4 + d));
      nodes_[Key(moved, row)] = values;
    }
    const macros::TableRows forces = project.Read(QStringLiteral("ForcesNM"));
    const macros::TableRows shears = project.Read(QStringLiteral("ForcesQ"));
    for (int row = 1; row <= forces.RowCount(); ++row) {
      const QString key = Key(forces, row) + QLatin1Char('/') + forces.Cell(row, 4);
      bars_[key] = {Number(forces.Cell(row, 5)), Number(forces.Cell(row, 6)),
                    Number(forces.Cell(row, 7)), Number(forces.Cell(row, 8)),
                    Number(shears.Cell(row, 5)), Number(shears.Cell(row, 6))};
    }
  }
  // Displacements in mm and turns in rad: X, Y, Z, UX, UY, UZ.
  double Node(const char* loadCase, int node, int component) const {
    return Find(nodes_, QStringLiteral("%1/%2").arg(loadCase).arg(node))[size_t(component)];
  }
  // N, Mк, My, Mz, Qy, Qz.
  double Bar(const char* loadCase, int element, const char* position, int component) const {
    return Find(bars_, QStringLiteral("%1/%2/%3").arg(loadCase).arg(element).arg(position))
        [size_t(component)];
  }
  size_t NodeRows() const { return nodes_.size(); }

 private:
  static double Number(const QString& text) { return macros::CellNumber(text).value_or(NAN); }
  static QString Key(const macros::TableRows& rows, int row) {
    return rows.Cell(row, 3) + QLatin1Char('/') + rows.Cell(row, 2);
  }
  template <typename Map>
  static typename Map::mapped_type Find(const Map& map, const QString& key) {
    const auto found = map.find(key);
    EXPECT_NE(found, map.end()) << key.toStdString();
    return found == map.end() ? typename Map::mapped_type{} : found->second;
  }
  std::map<QString, std::array<double, 6>> nodes_;
  std::map<QString, std::array<double, 6>> bars_;
};

enum { kX, kY, kZ, kUX, kUY, kUZ };
enum { kN, kMk, kMy, kMz, kQy, kQz };

// Within half a per cent of the closed-form answer.
#define EXPECT_CLOSE(actual, expected) \
  EXPECT_NEAR((actual), (expected), std::abs(expected) * 0.005 + 1e-9)

void ExpectDone(const CalculationOutcome& outcome) {
  ASSERT_EQ(outcome.end, CalculationOutcome::End::Done)
      << outcome.message.toStdString() << ' ' << outcome.solverWords.join(u'\n').toStdString()
      << (outcome.problems.empty() ? "" : outcome.problems.front().message.toStdString());
}

// A cantilever 6 m long in three elements, fixed at X = 0.
Structure Cantilever() {
  Structure s;
  s.Group(1);
  s.Node(1, 0, 0, "1"), s.Node(2, 2, 0), s.Node(3, 4, 0), s.Node(4, 6, 0, "2");
  s.Bar(1, 2, 1), s.Bar(2, 3, 1), s.Bar(3, 4, 1);
  s.Support(1, "111111");
  s.Points(2);
  return s;
}

TEST(Calculation, ACantileverWithATipLoadBendsAsTheBeamFormulaSays) {
  MacroProject project;
  Structure s = Cantilever();
  s.NodeLoad(1, 2, kZ, -10);
  ExpectDone(s.Calculate(project));
  const Results r(project);
  EXPECT_CLOSE(r.Node("1", 4, kZ), -10 * 216 / (3 * kEI) * 1000);
  EXPECT_CLOSE(r.Node("1", 4, kUY), 10 * 36 / (2 * kEI));
  EXPECT_CLOSE(r.Node("1", 2, kZ), -10 * 4 * (18 - 2) / (6 * kEI) * 1000);
  EXPECT_CLOSE(r.Bar("1", 1, "0", kMy), -60);  // hogging
  EXPECT_CLOSE(r.Bar("1", 2, "0", kMy), -40);
  EXPECT_NEAR(r.Bar("1", 3, "2", kMy), 0, 1e-3);
  EXPECT_CLOSE(r.Bar("1", 1, "0", kQz), 10);
  EXPECT_CLOSE(r.Bar("1", 3, "1", kQz), 10);
  // No second load case had loads: it computes to nothing, and the summary page is there.
  EXPECT_EQ(r.Node("2", 4, kZ), 0);
  IniFiles ini;
  EXPECT_EQ(ini.ReadIni(u"Calc", u"AfterCalc", project.working.File("N.ini")), "1");
  EXPECT_TRUE(QFile::exists(project.working.File("N.htm")));
}

TEST(Calculation, ASpatialCantileverBendsAboutBothAxesAndTwists) {
  MacroProject project;
  Structure s = Cantilever();
  s.NodeLoad(1, 2, kY, -10);
  s.NodeLoad(2, 2, kZ, -10);
  ExpectDone(s.Calculate(project, true));
  const Results r(project);
  const double iz = 0.4 * 0.2 * 0.2 * 0.2 / 12;
  // The solver's beams shear a little: slender bars stay within the half per cent.
  EXPECT_CLOSE(r.Node("1", 4, kY), -10 * 216 / (3 * kE * iz) * 1000);
  EXPECT_CLOSE(r.Node("1", 4, kUZ), -10 * 36 / (2 * kE * iz));
  EXPECT_CLOSE(r.Bar("1", 1, "0", kMz), 60);  // the +y side stretched
  EXPECT_CLOSE(r.Bar("1", 1, "0", kQy), 10);
  EXPECT_CLOSE(r.Node("2", 4, kZ), -10 * 216 / (3 * kEI) * 1000);
  EXPECT_CLOSE(r.Bar("2", 1, "0", kMy), -60);
}

// A beam 8 m long in four elements, pinned at the left and on a roller at the right.
Structure SimpleBeam() {
  Structure s;
  s.Group(1);
  s.Node(1, 0, 0, "1"), s.Node(2, 2, 0), s.Node(3, 4, 0, "3"), s.Node(4, 6, 0), s.Node(5, 8, 0, "2");
  s.Bar(1, 2, 1), s.Bar(2, 3, 1), s.Bar(3, 4, 1), s.Bar(4, 5, 1);
  s.Support(1, "101000");
  s.Support(2, "001000");
  s.Points(3);
  return s;
}

TEST(Calculation, ASimplySupportedBeamUnderAUniformLoadSagsAndCarriesQLSquaredOverEight) {
  MacroProject project;
  Structure s = SimpleBeam();
  s.Uniform(1, 1, kZ, -5);
  ExpectDone(s.Calculate(project));
  const Results r(project);
  EXPECT_CLOSE(r.Node("1", 3, kZ), -5 * 5 * 4096 / (384 * kEI) * 1000);
  EXPECT_CLOSE(r.Node("1", 1, kUY), 5 * 512 / (24 * kEI));
  EXPECT_CLOSE(r.Bar("1", 2, "2", kMy), 40);
  EXPECT_CLOSE(r.Bar("1", 1, "1", kMy), 5 * 1 * 7 / 2.0);  // q x (L − x) / 2 at 1 m
  EXPECT_CLOSE(r.Bar("1", 1, "0", kQz), 20);
  EXPECT_CLOSE(r.Bar("1", 4, "2", kQz), -20);
  EXPECT_NEAR(r.Bar("1", 1, "0", kMy), 0, 1e-3);
}

TEST(Calculation, TriangularConcentratedAndMomentLoadsOnOneElementFollowStatics) {
  // A simply supported beam of one element, 6 m: a load growing from 0 to 6 kN/m, a force of
  // 12 kN at 2 m, and a couple of 10 kN·m about Y in the middle, one load case each.
  MacroProject project;
  Structure s;
  s.Group(1);
  s.Node(1, 0, 0, "1"), s.Node(2, 6, 0, "2");
  s.Bar(1, 2, 1);
  s.Support(1, "101000");
  s.Support(2, "001000");
  s["Loads"].push_back({"3", "Третье"});
  auto load = [&s](const char* loadCase, const char* kind, int direction, QStringList values) {
    QStringList row{QString::number(s["q"].size() + 1), loadCase, "", "1", "",
                    QString::fromUtf8(kind) + "      ", "", "", "", ""};
    row[6 + direction] = kSet;
    s["q"].push_back(row + values);
  };
  load("1", "Трапециевидная", kZ, {"0", "-6"});
  load("2", "Сосредоточенная сила", kZ, {"", "", "2", "", "-12"});
  load("3", "Сосредоточенный момент", kY, {"", "", "3", "", "", "10"});
  ExpectDone(s.Calculate(project));
  const Results r(project);
  EXPECT_CLOSE(r.Bar("1", 1, "0", kQz), 6);  // w L / 6
  EXPECT_CLOSE(r.Bar("1", 1, "6", kQz), -12);
  EXPECT_CLOSE(r.Bar("1", 1, "3", kMy), 13.5);  // w L² / 16
  EXPECT_CLOSE(r.Node("1", 1, kUY), 7 * 6 * 216 / (360 * kEI));  // 7 w L³ / 360 EI
  EXPECT_CLOSE(r.Bar("2", 1, "0", kQz), 8);
  EXPECT_CLOSE(r.Bar("2", 1, "3", kMy), 12);
  EXPECT_CLOSE(r.Bar("2", 1, "6", kQz), -4);
  EXPECT_CLOSE(r.Node("2", 1, kUY), 12 * 2 * 4 * (6 + 4) / (6 * 6 * kEI));  // P a b (L + b) / 6 L EI
  EXPECT_CLOSE(r.Bar("3", 1, "0", kQz), -10 / 6.0);
  EXPECT_CLOSE(r.Bar("3", 1, "3", kMy), -5);  // just before the couple
  EXPECT_NEAR(r.Bar("3", 1, "6", kMy), 0, 1e-3);
}

TEST(Calculation, ASpatialSchemeLyingAndLoadedInItsPlaneBendsWithoutShearing) {
  // A deep beam, 4 m long and 1 m deep, held in space: calculated as the plane frame it is, it
  // sags as Euler–Bernoulli says (a shearing beam would sag a tenth more).
  MacroProject project;
  Structure s;
  s["SecBH"].push_back({"3", "3", "20x100", "Прямоугольник      ", "1", "Сталь", "20", "100"});
  s.Group(1, "Стержень", 3);
  s.Node(1, 0, 0, "1"), s.Node(2, 2, 0, "3"), s.Node(3, 4, 0, "2");
  s.Bar(1, 2, 1), s.Bar(2, 3, 1);
  s.Support(1, "111100");
  s.Support(2, "011000");
  s.NodeLoad(1, 3, kZ, -100);
  ExpectDone(s.Calculate(project, true));
  const Results r(project);
  const double ei = kE * 0.2 / 12;
  EXPECT_CLOSE(r.Node("1", 2, kZ), -100 * 64 / (48 * ei) * 1000);
  EXPECT_CLOSE(r.Bar("1", 1, "2", kMy), 100);
}

TEST(Calculation, SelfWeightIsTheDensityTimesGravityTimesTheArea) {
  MacroProject project;
  Structure s = SimpleBeam();
  s["Loads"][0] = {"1", "Собственный вес", "Постоянная      ", "", "", kSet};
  ExpectDone(s.Calculate(project));
  const Results r(project);
  const double q = 7.85 * 9.81 * kArea;
  EXPECT_CLOSE(r.Bar("1", 2, "2", kMy), q * 64 / 8);
  EXPECT_CLOSE(r.Node("1", 3, kZ), -5 * q * 4096 / (384 * kEI) * 1000);
}

TEST(Calculation, APortalFrameSwaysUnderAHorizontalLoad) {
  // Fixed feet, columns 4 m, beam 6 m, all 20 × 20 cm so that the bars' shortening stays far
  // below the half per cent: sway P h³ / 15 EI, moments 0,3 P h at the feet, 0,2 P h at the top.
  MacroProject project;
  Structure s;
  s["SecBH"][0] = {"1", "1", "20x20", "Прямоугольник      ", "1", "Сталь", "20", "20"};
  s.Group(1);
  s.Node(1, 0, 0, "1"), s.Node(2, 0, 4, "2"), s.Node(3, 6, 4), s.Node(4, 6, 0, "1");
  s.Bar(1, 2, 1), s.Bar(2, 3, 1), s.Bar(4, 3, 1);
  s.Support(1, "111111");
  s.NodeLoad(1, 2, kX, 10);
  ExpectDone(s.Calculate(project));
  const Results r(project);
  const double ei = kE * 0.2 * 0.2 * 0.2 * 0.2 / 12;
  const double sway = 10 * 64 / (15 * ei) * 1000;
  EXPECT_CLOSE((r.Node("1", 2, kX) + r.Node("1", 3, kX)) / 2, sway);
  EXPECT_CLOSE(std::abs(r.Bar("1", 1, "0", kMy)), 12);
  EXPECT_CLOSE(std::abs(r.Bar("1", 1, "4", kMy)), 8);
  EXPECT_CLOSE(std::abs(r.Bar("1", 2, "6", kMy)), 8);
  EXPECT_CLOSE(std::abs(r.Bar("1", 3, "0", kMy)), 12);
  EXPECT_CLOSE(std::abs(r.Bar("1", 1, "2", kQz)), 5);
  EXPECT_CLOSE(std::abs(r.Bar("1", 2, "3", kQz)), 16 / 6.0);
  // The left column is pulled by the beam's end shear, the right one pressed.
  EXPECT_CLOSE(r.Bar("1", 1, "2", kN), 16 / 6.0);
  EXPECT_CLOSE(r.Bar("1", 3, "2", kN), -16 / 6.0);
}

TEST(Calculation, AHingeJoiningTwoCantileversPassesShearButNoMoment) {
  // Fixed at both ends, hinged in the middle, loaded at the hinge: each half a cantilever
  // under half the load.
  MacroProject project;
  Structure s;
  s.Group(1);
  s.Group(2, "Стержень", 1, true);
  s.Node(1, 0, 0, "1"), s.Node(2, 3, 0, "2"), s.Node(3, 6, 0, "1");
  s.Bar(1, 2, 1), s.Bar(2, 3, 2);
  s.Support(1, "111111");
  s.NodeLoad(1, 2, kZ, -10);
  ExpectDone(s.Calculate(project));
  const Results r(project);
  EXPECT_CLOSE(r.Node("1", 2, kZ), -5 * 27 / (3 * kEI) * 1000);
  EXPECT_CLOSE(r.Bar("1", 1, "0", kMy), -15);
  EXPECT_CLOSE(r.Bar("1", 2, "3", kMy), -15);
  EXPECT_NEAR(r.Bar("1", 2, "0", kMy), 0, 1e-3);
  EXPECT_NEAR(r.Bar("1", 1, "3", kMy), 0, 1e-3);
  EXPECT_CLOSE(r.Bar("1", 1, "0", kQz), 5);
  EXPECT_CLOSE(r.Bar("1", 2, "0", kQz), -5);
}

TEST(Calculation, ATrussCarriesItsLoadAsAxialForcesOnly) {
  MacroProject project;
  Structure s;
  s.Group(1, "Ферменный стержень", 2);
  s.Node(1, 0, 0, "1"), s.Node(2, 6, 0, "1"), s.Node(3, 3, 3, "2");
  s.Bar(1, 3, 1), s.Bar(3, 2, 1);
  s.Support(1, "101000");
  s.NodeLoad(1, 2, kZ, -20);
  ExpectDone(s.Calculate(project));
  const Results r(project);
  const double n = -20 / (2 * std::sin(std::numbers::pi / 4));
  EXPECT_CLOSE(r.Bar("1", 1, "2,121", kN), n);
  EXPECT_CLOSE(r.Bar("1", 2, "0", kN), n);
  EXPECT_EQ(r.Bar("1", 1, "0", kMy), 0);
  const double shortening = -n * std::sqrt(18.0) / (kE * 0.05 * 0.05);
  EXPECT_CLOSE(r.Node("1", 3, kZ), -shortening * std::sqrt(2.0) * 1000);
  EXPECT_NEAR(r.Node("1", 3, kX), 0, 1e-6);
}

TEST(Calculation, HeatingAHeldBarPressesItAndAFreeOneOnlyBends) {
  MacroProject project;
  Structure s = Cantilever();
  s.Heat(1, 1, 0, 20);  // the top 20 °C warmer than the bottom
  s.Support(2, "111111");
  s.Heat(2, 1, 30, 0);
  // Case 1 without the second support: the cantilever bends freely.
  Structure free = Cantilever();
  free.Heat(1, 1, 0, 20);
  ExpectDone(free.Calculate(project));
  const Results bent(project);
  const double curvature = 0.000012 * 20 / 0.4;
  EXPECT_CLOSE(bent.Node("1", 4, kZ), -curvature * 36 / 2 * 1000);
  EXPECT_NEAR(bent.Bar("1", 1, "0", kMy), 0, 1e-3);

  ExpectDone(s.Calculate(project));
  const Results held(project);
  EXPECT_CLOSE(held.Bar("2", 2, "1", kN), -kE * kArea * 0.000012 * 30);
  EXPECT_NEAR(held.Node("2", 3, kX), 0, 1e-6);
  // Held fast at both ends, the warmer top is bent back by a sagging moment E I α ΔT / h.
  EXPECT_CLOSE(held.Bar("1", 2, "1", kMy), kEI * 0.000012 * 20 / 0.4);
}

TEST(Calculation, ACombinationAddsItsLoadCasesWithTheirFactors) {
  MacroProject project;
  Structure s = Cantilever();
  s.NodeLoad(1, 2, kZ, -10);
  s.Uniform(2, 1, kZ, -5);
  s["Combinations"] = {{"1", "1", "Основное", "Основное      ", "1", "", "1,2"},
                       {"2", "1", "Основное", "Основное      ", "2", "", "0,9"}};
  ExpectDone(s.Calculate(project));
  const Results r(project);
  const double tip = 1.2 * 10 * 216 / (3 * kEI) + 0.9 * 5 * 1296 / (8 * kEI);
  EXPECT_CLOSE(r.Node("С1", 4, kZ), -tip * 1000);
  EXPECT_CLOSE(r.Bar("С1", 1, "0", kMy), -(1.2 * 60 + 0.9 * 90));
  EXPECT_CLOSE(r.Bar("2", 1, "0", kMy), -90);
}

TEST(Calculation, AMechanismTheCheckCannotSeeIsToldAsASingularModel) {
  // Pinned at both ends with a hinge between: held as a whole, loose inside.
  MacroProject project;
  Structure s;
  s.Group(1);
  s.Group(2, "Стержень", 1, true);
  s.Node(1, 0, 0, "1"), s.Node(2, 3, 0, "2"), s.Node(3, 6, 0, "1");
  s.Bar(1, 2, 1), s.Bar(2, 3, 2);
  s.Support(1, "101000");
  s.NodeLoad(1, 2, kZ, -10);
  const CalculationOutcome outcome = s.Calculate(project);
  EXPECT_EQ(outcome.end, CalculationOutcome::End::Failed);
  EXPECT_THAT(outcome.message.toStdString(), HasSubstr("матрица жесткости вырождена"));
  IniFiles ini;
  EXPECT_EQ(ini.ReadIni(u"Calc", u"AfterCalc", project.working.File("N.ini")), "0");
  EXPECT_EQ(project.Read(QStringLiteral("Displacements")).RowCount(), 0);
}

TEST(Calculation, WithoutTheSolverOrOnAStopNothingIsWrittenAndTheUserIsTold) {
  MacroProject project;
  Structure s = Cantilever();
  s.NodeLoad(1, 2, kZ, -10);
  ExpectDone(s.Calculate(project));
  const QByteArray before = ReadBytes(project.working.File("N.r01"));

  qputenv("TRELLIS_CCX", "/nonexistent/ccx");
  CalculationOutcome outcome = s.Calculate(project);
  qunsetenv("TRELLIS_CCX");
  EXPECT_EQ(outcome.end, CalculationOutcome::End::Failed);
  EXPECT_THAT(outcome.message.toStdString(), HasSubstr("calculix-ccx"));
  EXPECT_EQ(ReadBytes(project.working.File("N.r01")), before);
  EXPECT_FALSE(QFile::exists(project.working.File("N.htm")));

  outcome = s.Calculate(project, false, [] { return true; });
  EXPECT_EQ(outcome.end, CalculationOutcome::End::Stopped);
  EXPECT_EQ(ReadBytes(project.working.File("N.r01")), before);
  IniFiles ini;
  EXPECT_EQ(ini.ReadIni(u"Calc", u"AfterCalc", project.working.File("N.ini")), "0");
}

TEST(Calculation, ModelProblemsStopTheRunAtTheirCells) {
  MacroProject project;
  Structure s = Cantilever();
  s["q"] = {{"1", "7", "", "1", "", "Равномерная      ", "", "", kSet, "", "-5"}};
  auto places = [&] {
    const CalculationOutcome outcome = s.Calculate(project);
    EXPECT_EQ(outcome.end, CalculationOutcome::End::Refused);
    QStringList at;
    for (const auto& p : outcome.problems) at << QStringLiteral("%1|%2|%3").arg(p.tableKey).arg(p.row).arg(p.column);
    return at.join(u' ').toStdString();
  };
  EXPECT_EQ(places(), "q|1|2");
  s["q"].clear();
  s["SecBH"][0][3] = QStringLiteral("Двутавр      ");
  EXPECT_EQ(places(), "SecBH|1|4");
  EXPECT_FALSE(QFile::exists(project.working.File("calculix/N.inp")));
}


// A stand-in for the solver, a shell script with Body, in the test's folder.
QString FakeSolver(const TempFolder& folder, const char* body) {
  const QString path = folder.File(QStringLiteral("ccx"));
  WriteBytes(path, QByteArray("#!/bin/sh\n") + body + "\n");
  QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  return path;
}

TEST(Calculation, AStopEndsARunningSolverAndAFailingOneIsQuotedInItsOwnWords) {
  MacroProject project;
  TempFolder bin;
  Structure s = Cantilever();
  s.NodeLoad(1, 2, kZ, -10);
  macros::calc::CalculationInput input;
  input.workingFolder = project.working.Path();
  input.baseName = QStringLiteral("N");
  input.options.spatial = false;
  s.Calculate(project);  // the tables and results written once
  const QByteArray results = ReadBytes(project.working.File("N.r02"));

  input.solver = FakeSolver(bin, "echo $$ > pid; echo ' STEP 1'; sleep 60; echo 'Job finished'");
  QStringList statuses;
  bool stop = false;
  macros::calc::CalculationWatch watch;
  watch.status = [&](const QString& text) {
    statuses << text;
    stop = text.contains(QStringLiteral("загружение 1 из 2"));
  };
  watch.stopRequested = [&] { return stop; };
  CalculationOutcome outcome = macros::calc::Calculate(project.tables, input, watch);
  EXPECT_EQ(outcome.end, CalculationOutcome::End::Stopped);
  const QByteArray pid = ReadBytes(project.working.File("calculix/pid")).trimmed();
  ASSERT_FALSE(pid.isEmpty());
  EXPECT_FALSE(QFile::exists(QStringLiteral("/proc/") + QString::fromLatin1(pid))) << "the solver runs on";
  EXPECT_THAT(outcome.message.toStdString(), HasSubstr("остановлен"));
  EXPECT_THAT(statuses.join(u'|').toStdString(), HasSubstr("запись исходных данных"));

  input.solver = FakeSolver(bin, "echo ' *ERROR in calinput: unknown keyword'; echo '  *SPRING X'; exit 201");
  outcome = macros::calc::Calculate(project.tables, input, {});
  EXPECT_EQ(outcome.end, CalculationOutcome::End::Failed);
  EXPECT_EQ(outcome.solverWords.value(0), QStringLiteral("*ERROR in calinput: unknown keyword"));
  EXPECT_EQ(outcome.solverWords.value(1), QStringLiteral("*SPRING X"));
  EXPECT_EQ(ReadBytes(project.working.File("N.r02")), results);
  IniFiles ini;
  EXPECT_EQ(ini.ReadIni(u"Calc", u"AfterCalc", project.working.File("N.ini")), "0");
}

TEST(Calculation, TheMacroShowsTheResultsAndDrawsThemOrListsWhatStopsIt) {
  MacroProject project;
  project.DrawTwoBayFrame();
  project.WriteTable(QStringLiteral("Materials"), {{"1", "Сталь", "Сталь      ", "200000", "0,3", "7,85"}});
  project.WriteTable(QStringLiteral("SecBH"), {{"1", "1", "20x40", "Прямоугольник      ", "1", "Сталь", "20", "40"}});
  project.WriteTable(QStringLiteral("Elements"), {{"1", "Колонны", "Стержень      ", "1", "", "1"},
                                                  {"2", "Ригель", "Стержень      ", "1", "", "1", "", "", "", "", "3"}});
  project.WriteTable(QStringLiteral("Locking"), {{"1", "1", "Опоры", kSet, kSet, kSet, kSet, kSet, kSet}});
  project.WriteTable(QStringLiteral("Loads"), {{"1", "Груз", "Постоянная      "}});
  project.WriteTable(QStringLiteral("p"), {{"1", "1", "", "2", "", "", "", "-50"}});
  macros::SchemeMacro scheme;
  project.Run(scheme, QStringLiteral("Build"));
  macros::calc::CalculationMacro calculation;
  project.window->calls.clear();
  project.Run(calculation, QStringLiteral("Run"));
  const QString calls = project.window->calls.join(u'\n');
  EXPECT_THAT(calls.toStdString(), HasSubstr("TablesChanged"));
  EXPECT_THAT(calls.toStdString(), HasSubstr("Status Расчет выполнен: загружений 1, сочетаний 0; загружение 1 — на слое KS_FEM_R"));
  EXPECT_GT(project.Read(QStringLiteral("ForcesNM")).RowCount(), 0);
  // The results layer: per bar a deformed line in orange and a diagram in the layer's colour.
  const auto onResultsLayer = [&project] {
    const DispatchRef space = ToObject(project.document.Object()->Get(QStringLiteral("ModelSpace")), QString());
    std::map<int, int> byColor;
    for (int i = 0; i < space->Get(QStringLiteral("Count")).toInt(); ++i) {
      const DispatchRef entity = ToObject(Call(*space, QStringLiteral("Item"), {i}), QString());
      if (entity->Get(QStringLiteral("Layer")).toString() != QLatin1String("KS_FEM_R")) continue;
      ++byColor[entity->Get(QStringLiteral("ObjectName")).toString() == QLatin1String("AcDbText")
                    ? -1
                    : entity->Get(QStringLiteral("Color")).toInt()];
    }
    return byColor;
  };
  std::map<int, int> drawn = onResultsLayer();
  EXPECT_EQ(drawn[30], 7);
  EXPECT_GE(drawn[256], 7);  // by layer
  EXPECT_GT(drawn[-1], 0);
  // Drawn again from the tables, as the layer switch does for a reopened project.
  project.Run(calculation, QStringLiteral("DrawResults"));
  drawn = onResultsLayer();
  EXPECT_EQ(drawn[30], 7);
  EXPECT_GE(drawn[256], 7);
  EXPECT_EQ(project.window->calls.last(), QStringLiteral("Status На слое KS_FEM_R — загружение 1"));

  project.WriteTable(QStringLiteral("Materials"), {{"1", "Сталь", "Сталь      ", "", "0,3"}});
  project.window->calls.clear();
  project.Run(calculation, QStringLiteral("Run"));
  EXPECT_EQ(project.window->Errors().size(), 1) << project.window->calls.join(u'\n').toStdString();
  EXPECT_TRUE(project.window->calls.contains(QStringLiteral("ShowErrors")));
  EXPECT_THAT(project.window->calls.last().toStdString(), HasSubstr("Message Расчет не выполнен"));
}

TEST(Calculation, TheCommandLineCalculatesASavedProjectOrSaysWhyNot) {
  MacroProject project;
  Structure s = Cantilever();
  s.NodeLoad(1, 2, kZ, -10);
  s.Calculate(project);
  QFile::remove(project.working.File("N.r01"));
  auto calculate = [](const QStringList& args) {
    QProcess trellis;
    trellis.start(QCoreApplication::applicationDirPath() + QStringLiteral("/trellis"), args);
    EXPECT_TRUE(trellis.waitForFinished(60000));
    return std::pair(trellis.exitCode(), QString::fromLocal8Bit(trellis.readAllStandardError()));
  };
  EXPECT_EQ(calculate({QStringLiteral("--calculate"), project.working.File("N.d01")}).first, 0);
  EXPECT_CLOSE(Results(project).Node("1", 4, kZ), -10 * 216 / (3 * kEI) * 1000);
  EXPECT_EQ(calculate({QStringLiteral("--calculate")}).first, 2);
  EXPECT_EQ(calculate({QStringLiteral("--calculate"), project.working.File("none.d01")}).first, 2);
  s["q"] = {{"1", "7", "", "1", "", "Равномерная      ", "", "", kSet, "", "-5"}};
  s.Calculate(project);
  const auto [code, errors] = calculate({QStringLiteral("--calculate"), project.working.File("N.d01")});
  EXPECT_EQ(code, 1);
  EXPECT_THAT(errors.toStdString(), HasSubstr("Нагрузки на элементы, строка 1, колонка 2"));
}

}  // namespace
}  // namespace trellis::test
