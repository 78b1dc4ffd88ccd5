#include "MacroProject.h"

#include "app/SettingsStore.h"
#include "macros/check/CheckMacro.h"
#include "macros/check/SchemeCheck.h"
#include "macros/scheme/DrawingGroups.h"


#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <limits>
#include <map>

namespace trellis::test {
namespace {

using macros::SchemeProblem;
using ::testing::HasSubstr;

const QString kFixed = QStringLiteral("·");

// Sanitizers slow everything down several times; under them the budget only shows that nothing
// grows with the square of the scheme.

// "table|row|column message" for each problem: what a failing expectation shows.
std::string Listed(const std::vector<SchemeProblem>& problems) {
  std::string text;
  for (const SchemeProblem& p : problems) {
    text += QStringLiteral("\n%1|%2|%3 %4")
                .arg(p.tableKey)
                .arg(p.row)
                .arg(p.column)
                .arg(p.message)
                .toStdString();
  }
  return text;
}

std::string Place(const SchemeProblem& p) {
  return QStringLiteral("%1|%2|%3").arg(p.tableKey).arg(p.row).arg(p.column).toStdString();
}

// A project's tables as rows, written whole before each check; the drawing's group counts
// beside them.
struct Tables {
  std::map<QString, std::vector<QStringList>> rows;
  std::optional<QHash<QString, int>> objects = QHash<QString, int>{};

  std::vector<QStringList>& operator[](const char* key) { return rows[QString::fromLatin1(key)]; }
  void Node(int number, double x, double z, const QString& group = {}) {
    const QString n = QString::number(number);
    const QString xs = QString::number(x).replace(u'.', u','),
                  zs = QString::number(z).replace(u'.', u',');
    rows[QStringLiteral("CoordPoints")].push_back({n, xs, "0", zs, group});
    rows[QStringLiteral("CoordAllPoints")].push_back({n, xs, "0", zs, n});
  }
  void Element(int node1, int node2, int group) {
    auto& elements = rows[QStringLiteral("NumEl")];
    elements.push_back({QString::number(elements.size() + 1), QString::number(node1),
                        QString::number(node2), QString::number(group)});
  }
  std::vector<SchemeProblem> Check(MacroProject& project, bool spatial = true) const {
    for (const auto& [key, table] : rows) project.WriteTable(key, table);
    return macros::CheckScheme(project.tables, objects, spatial);
  }
};

// A frame of two bays in the XZ plane, as the scheme builder numbers it: columns 3 m high
// fixed at their feet (node group 1), the beam over them cut at a node with a load (group 2)
// and divided once by the step in the right bay (division node 8).
Tables TwoBayFrame() {
  Tables t;
  t["Materials"] = {{"1", "Бетон В25", "Бетон      ", "30000", "0,2", "2,5"}};
  t["SecBH"] = {{"1", "1", "Колонна", "Прямоугольник      ", "1", "Бетон В25", "40", "40"},
                {"2", "2", "Ригель", "Двутавр      ", "1", "Бетон В25", "30", "60", "1", "2"}};
  t["Elements"] = {{"1", "Колонны", "Стержень      ", "1", "Бетон В25", "1", "Колонна"},
                   {"2", "Ригель", "Стержень      ", "1", "Бетон В25", "2", "Ригель"}};
  t["Points"] = {{"1", "Опоры"}, {"2", "Груз"}};
  t["Locking"] = {{"1", "1", "Опоры", kFixed, kFixed, kFixed, kFixed, kFixed, kFixed}};
  t["Loads"] = {{"1", "Постоянная", "Постоянная      ", "1,1"},
                {"2", "Снег", "Снеговая      ", "1,4"}};
  t["q"] = {
      {"1", "1", "Постоянная", "2", "Ригель", "Равномерная      ", "", "", kFixed, "", "-10"}};
  t["p"] = {{"1", "2", "Снег", "2", "Груз", "", "", "-50"}};
  t["T"] = {{"1", "1", "Постоянная", "1", "Колонны", "20"}};
  t["Combinations"] = {{"1", "1", "Основное", "Основное      ", "1", "", "1"},
                       {"2", "1", "Основное", "Основное      ", "2", "", "0,9"}};
  t.Node(1, 0, 0, "1"), t.Node(2, 6, 0, "1"), t.Node(3, 12, 0, "1");
  t.Node(4, 0, 3), t.Node(5, 3, 3, "2"), t.Node(6, 6, 3), t.Node(7, 12, 3);
  t["CoordAllPoints"].push_back({"8", "9", "0", "3", ""});
  t.Element(1, 4, 1), t.Element(2, 6, 1), t.Element(3, 7, 1);
  t.Element(4, 5, 2), t.Element(5, 6, 2), t.Element(6, 8, 2), t.Element(8, 7, 2);
  t.objects = QHash<QString, int>{
      {"KS_FEM_E_001", 3}, {"KS_FEM_E_002", 1}, {"KS_FEM_P_001", 3}, {"KS_FEM_P_002", 1}};
  return t;
}

TEST(SchemeCheck, ACleanFrameHasNoProblemInSpaceInThePlaneOrWithoutADrawing) {
  MacroProject project;
  Tables frame = TwoBayFrame();
  EXPECT_EQ(Listed(frame.Check(project, true)), "");
  EXPECT_EQ(Listed(frame.Check(project, false)), "");
  frame.objects.reset();
  // A circle needs no height; an unused material may be incomplete; empty rows are nothing.
  frame["SecBH"][0] = {"1", "1", "Колонна", "Круг      ", "1", "", "40", ""};
  frame["Materials"].push_back({"2", "Сталь", "", "", "0,9"});
  frame["Locking"].push_back({});
  frame["q"].insert(frame["q"].begin(), QStringList{});
  EXPECT_EQ(Listed(frame.Check(project)), "");
}

// One fault at a time in the clean frame: exactly that problem, at the cell to open.
struct Fault {
  const char* what;
  std::function<void(Tables&)> make;
  const char* place;
  const char* says;
};

// Sets the cell of a table's grid to Text.
std::function<void(Tables&)> Cell(const char* key, int row, int column, const char* text) {
  return [=](Tables& t) { t[key][size_t(row - 1)][column - 1] = QString::fromUtf8(text); };
}

const Fault kFaults[] = {
    {"group without material", Cell("Elements", 2, 4, ""), "Elements|2|4",
     "Группа элементов 2: не задан материал"},
    {"group without section", Cell("Elements", 1, 6, ""), "Elements|1|6",
     "Группа элементов 1: не задано сечение"},
    {"load of a missing load case", Cell("q", 1, 2, "7"), "q|1|2",
     "«№ загружения»: 7 нет в таблице «Загружения»"},
    {"combination of a missing load case", Cell("Combinations", 2, 5, "3"), "Combinations|2|5",
     "3 нет в таблице «Загружения»"},
    {"load on a missing group", Cell("p", 1, 4, "9"), "p|1|4", "9 нет в таблице «Группы узлов»"},
    {"element of a missing node", Cell("NumEl", 7, 3, "99"), "NumEl|7|3",
     "99 нет в таблице «Все узлы»"},
    {"a number twice",
     [](Tables& t) {
       t["Materials"].push_back({"1,0", "Сталь", "", "1"});
     },
     "Materials|2|1", "«№»: 1,0 уже есть в строке 1"},
    {"group without a number",
     [](Tables& t) {
       t["Points"].push_back({"", "Лишняя"});
     },
     "Points|3|1", "не задан номер"},
    {"empty drawing group", [](Tables& t) { (*t.objects)["KS_FEM_E_002"] = 0; }, "Elements|2|1",
     "группа KS_FEM_E_002 пуста"},
    {"missing drawing group", [](Tables& t) { t.objects->remove("KS_FEM_P_002"); }, "Points|2|1",
     "нет группы KS_FEM_P_002"},
    {"scheme not built", [](Tables& t) { t["NumEl"].clear(); }, "NumEl|0|0",
     "Расчетная схема не построена"},
    {"element from a node to itself", [](Tables& t) { t.Element(6, 6, 2); }, "NumEl|8|2",
     "оба конца в узле 6"},
    {"element between coincident nodes",
     [](Tables& t) {
       t["CoordAllPoints"].push_back({"9", "6,0000001", "0", "3", ""});
       t.Element(6, 9, 2);
     },
     "NumEl|8|2", "узлы 6 и 9 совпадают"},
    {"loose node", [](Tables& t) { t.Node(9, 20, 0); }, "CoordPoints|8|1",
     "Узел 9 не присоединен ни к одному элементу"},
    {"material without modulus", Cell("Materials", 1, 4, "0"), "Materials|1|4",
     "Материал 1: модуль упругости должен быть больше нуля"},
    {"Poisson ratio of a half", Cell("Materials", 1, 5, "0,5"), "Materials|1|5",
     "коэффициент Пуассона"},
    {"material used through a section only",
     [](Tables& t) {
       t["Materials"].push_back({"2", "Сталь", "Сталь      ", ""});
       t["Materials"].push_back({"3", "Лишний", "", ""});
       t["SecBH"].push_back({"3", "2", "Ригель", "Прямоугольник      ", "2", "", "10", "2"});
     },
     "Materials|2|4", "Материал 2: модуль упругости не задан"},
    {"section shape without height", Cell("SecBH", 2, 8, ""), "SecBH|2|8",
     "Участок сечения 2 (сечение 2): размер H не задан"},
    {"no support", [](Tables& t) { t["Locking"].clear(); }, "Locking|0|0", "Схема не закреплена"},
    {"support of a group without nodes",
     [](Tables& t) {
       t["Points"].push_back({"3", "Пустая"});
       (*t.objects)["KS_FEM_P_003"] = 1;
       t["Locking"].push_back({"2", "3", "", kFixed});
     },
     "Locking|2|2", "в группе узлов 3 нет узлов расчетной схемы"},
    {"load on a group without elements",
     [](Tables& t) {
       t["Elements"].push_back({"3", "Связи", "", "1", "", "1"});
       (*t.objects)["KS_FEM_E_003"] = 2;
       t["q"].push_back({"2", "1", "", "3", "", "Равномерная      "});
     },
     "q|2|4", "в группе элементов 3 нет элементов расчетной схемы"},
    {"load on a group without nodes",
     [](Tables& t) {
       t["Points"].push_back({"3", "Пустая"});
       (*t.objects)["KS_FEM_P_003"] = 1;
       t["p"].push_back({"2", "1", "", "3"});
     },
     "p|2|4", "в группе узлов 3 нет узлов расчетной схемы"},
    {"load without load case", Cell("T", 1, 2, ""), "T|1|2", "не задано загружение"},
    {"load without group", Cell("q", 1, 4, ""), "q|1|4", "не задана группа элементов"},
};

TEST(SchemeCheck, EachFaultIsFoundAloneAtItsCell) {
  for (const Fault& fault : kFaults) {
    SCOPED_TRACE(fault.what);
    MacroProject project;
    Tables tables = TwoBayFrame();
    fault.make(tables);
    const std::vector<SchemeProblem> problems = tables.Check(project);
    ASSERT_EQ(problems.size(), 1u) << Listed(problems);
    EXPECT_EQ(Place(problems[0]), fault.place);
    EXPECT_THAT(problems[0].message.toStdString(), HasSubstr(fault.says));
  }
}

// One piece: nodes 1 and 2 of group 1 at the ends and a division node between them.
Tables Beam(macros::Point3 from, macros::Point3 to, QStringList fixities) {
  Tables t;
  for (const char* key : {"Loads", "q", "p", "T", "Combinations"}) t[key] = {};
  t["Points"] = {{"1", "Опоры"}};
  t["Locking"] = {QStringList{"1", "1", ""} + fixities};
  auto cell = [](double v) { return QString::number(v, 'g', 12).replace(u'.', u','); };
  t["CoordPoints"] = {{"1", cell(from.x), cell(from.y), cell(from.z), "1"},
                      {"2", cell(to.x), cell(to.y), cell(to.z), "1"}};
  t["CoordAllPoints"] = {
      t["CoordPoints"][0],
      t["CoordPoints"][1],
      {"3", cell((from.x + to.x) / 2), cell((from.y + to.y) / 2), cell((from.z + to.z) / 2), ""}};
  t["CoordAllPoints"][0][4] = "1", t["CoordAllPoints"][1][4] = "2";
  t.Element(1, 3, 1), t.Element(3, 2, 1);
  t["Elements"] = {{"1", "Балка", "", "1", "", "1"}};
  t["Materials"] = {{"1", "Сталь", "", "206000", "0,3"}};
  t["SecBH"] = {{"1", "1", "", "Прямоугольник      ", "1", "", "10", "20"}};
  t.objects.reset();
  return t;
}

TEST(SchemeCheck, EachPieceMustBeHeldAgainstEveryRigidBodyMotion) {
  MacroProject project;
  const QStringList all{kFixed, kFixed, kFixed, kFixed, kFixed, kFixed};
  const QStringList pin{kFixed, kFixed, kFixed};
  // A cantilever fixed in all six.
  Tables cantilever = Beam({0, 0, 0}, {0, 0, 3}, all);
  cantilever["CoordPoints"][1][4] = "";
  EXPECT_EQ(Listed(cantilever.Check(project, true)), "");
  EXPECT_EQ(Listed(cantilever.Check(project, false)), "");

  // A beam on two pins turns about its own axis in space, not in its plane; far from the
  // origin as well, where coordinates are large beside the beam.
  for (const double offset : {0.0, 1e5}) {
    Tables pinned = Beam({offset, 0, 0}, {offset + 6, 0, 0}, pin);
    const std::vector<SchemeProblem> problems = pinned.Check(project, true);
    ASSERT_EQ(problems.size(), 1u) << Listed(problems);
    EXPECT_EQ(Place(problems[0]), "Locking|1|4");
    EXPECT_THAT(problems[0].message.toStdString(),
                HasSubstr("механизм: закрепления не удерживают ее от поворота вокруг X"));
    EXPECT_EQ(Listed(pinned.Check(project, false)), "");
  }

  // A column on a pin at its foot falls over about the pin, not about its own middle.
  Tables column = Beam({0, 0, 0}, {0, 0, 3}, pin);
  column["CoordPoints"][1][4] = "";
  EXPECT_EQ(Listed(column.Check(project, false)),
            "\nLocking|1|4 Часть схемы (узлы 1, 2) — механизм: закрепления "
            "не удерживают ее от поворота вокруг Y");
  EXPECT_THAT(Listed(column.Check(project, true)),
              HasSubstr("от поворота вокруг X, поворота вокруг Y, поворота вокруг Z"));
  // Two pins side by side hold it in the plane, not about the line through them.
  column["CoordPoints"][1] = {"2", "1", "0", "0", "1"};
  column["CoordAllPoints"][1] = {"2", "1", "0", "0", "2"};
  column["CoordAllPoints"][2] = {"3", "0", "0", "3", ""};
  EXPECT_EQ(Listed(column.Check(project, false)), "");
  EXPECT_THAT(Listed(column.Check(project, true)), HasSubstr("от поворота вокруг X"));

  // Fixities out of the plane hold nothing in it.
  Tables outOfPlane = Beam({0, 0, 0}, {6, 0, 0}, {"", kFixed, "", kFixed, "", kFixed});
  EXPECT_THAT(Listed(outOfPlane.Check(project, false)),
              HasSubstr("от смещения вдоль X, смещения вдоль Z, поворота вокруг Y"));

  // A second cantilever beside the first, on nothing: only it is reported, at its first node.
  cantilever.Node(4, 5, 0), cantilever.Node(5, 5, 3);
  cantilever.Element(4, 5, 1);
  const std::vector<SchemeProblem> problems = cantilever.Check(project, true);
  ASSERT_EQ(problems.size(), 1u) << Listed(problems);
  EXPECT_EQ(Place(problems[0]), "CoordPoints|3|1");
  EXPECT_THAT(problems[0].message.toStdString(), HasSubstr("Часть схемы не закреплена: узлы 4, 5"));
}

TEST(SchemeCheck, AWallOfTwentyThousandElementsHeldAtItsFootHasNoProblem) {
  // A wall of 100 × 101 nodes in the XZ plane, held at its foot.
  MacroProject project;
  Tables wall = TwoBayFrame();
  for (const char* key : {"CoordPoints", "CoordAllPoints", "NumEl"}) wall[key].clear();
  constexpr int kAcross = 100, kUp = 101;
  auto number = [](int i, int k) { return k * kAcross + i + 1; };
  for (int k = 0; k < kUp; ++k) {
    for (int i = 0; i < kAcross; ++i) wall.Node(number(i, k), i, k, k == 0 ? "1" : "");
  }
  for (int k = 0; k < kUp; ++k) {
    for (int i = 0; i < kAcross; ++i) {
      if (i + 1 < kAcross) wall.Element(number(i, k), number(i + 1, k), 2);
      if (k + 1 < kUp) wall.Element(number(i, k), number(i, k + 1), 1);
    }
  }
  wall["p"].clear();
  ASSERT_GE(wall["NumEl"].size(), 19999u);
  for (const auto& [key, table] : wall.rows) project.WriteTable(key, table);

  EXPECT_EQ(Listed(macros::CheckScheme(project.tables, wall.objects, true)), "");
}

// The macro as the program calls it: the drawing counted through the host, the problems
// listed in the window's error list.
TEST(SchemeCheckMacro, ListsTheProblemsOrSaysThereAreNone) {
  MacroProject project;
  Tables frame = TwoBayFrame();
  frame.Check(project);
  project.DrawLines(project.Group("E", 1),
                    {{{0, 0, 0}, {0, 0, 3}}, {{6, 0, 0}, {6, 0, 3}}, {{12, 0, 0}, {12, 0, 3}}});
  project.DrawLines(project.Group("E", 2), {{{0, 0, 3}, {12, 0, 3}}});
  project.DrawPoints(project.Group("P", 1), {{0, 0, 0}, {6, 0, 0}, {12, 0, 0}});
  const CadGroup loadPoint = project.Group("P", 2);  // without the load's point

  macros::CheckMacro macro;
  project.Run(macro, QStringLiteral("Check"));
  EXPECT_EQ(
      project.window->Errors(),
      QStringList{
          "Группа узлов 2: в чертеже нет ее объектов (группа KS_FEM_P_002 пуста)|Points|2|1"});
  const QStringList calls = project.window->calls;
  EXPECT_LT(calls.indexOf("ClearErrors"), calls.indexOf("ShowErrors"));
  EXPECT_EQ(calls.last().toStdString(), "Status Расчетная схема проверена: найдено ошибок — 1");

  project.DrawPoints(loadPoint, {{3, 0, 3}});
  project.window->calls.clear();
  project.Run(macro, QStringLiteral("Check"));
  EXPECT_TRUE(project.window->Errors().isEmpty());
  EXPECT_TRUE(project.window->calls.contains("ClearErrors"));
  EXPECT_TRUE(project.window->calls.contains("Message Ошибок в расчетной схеме не найдено."));

  // The plane option of the calculation settings; no drawing: its groups are not looked at.
  SettingsStore settings(SettingsStore::DefaultFolder());
  ASSERT_TRUE(settings.SaveSetting(u"Trellis", u"Calc", u"All3D", u"0"));
  Tables pinned = Beam({0, 0, 0}, {6, 0, 0}, {kFixed, kFixed, kFixed});
  pinned.Check(project);
  project.window->calls.clear();
  QVariantList args{project.program, project.working.Path(), QStringLiteral("N"),
                    ObjectValue(project.window), QVariant()};
  macro.Invoke(QStringLiteral("Check"), args);
  EXPECT_TRUE(project.window->Errors().isEmpty())
      << project.window->calls.join(u'\n').toStdString();
  EXPECT_EQ(project.window->calls.filter("Report Связи с программой САПР нет").size(), 1);
  ASSERT_TRUE(settings.SaveSetting(u"Trellis", u"Calc", u"All3D", u"1"));
  macro.Invoke(QStringLiteral("Check"), args);
  EXPECT_EQ(project.window->Errors().size(), 1);
  ASSERT_TRUE(settings.SaveSetting(u"Trellis", u"Calc", u"All3D", u""));
}

TEST(SchemeCheckMacro, CountsTheObjectsOfTheNamedGroupsOnly) {
  MacroProject project;
  project.DrawLines(project.Group("E", 1), {{{0, 0, 0}, {0, 0, 3}}, {{6, 0, 0}, {6, 0, 3}}});
  project.Group("P", 2);
  project.DrawPoints(project.Group("P", 3), {{0, 0, 0}});
  const QHash<QString, int> counts = macros::CountGroupObjects(
      *project.document.Object(), {"ks_fem_e_001", "KS_FEM_P_002", "KS_FEM_E_009", "KS_FEM_E_001"});
  EXPECT_EQ(counts, (QHash<QString, int>{{"KS_FEM_E_001", 2}, {"KS_FEM_P_002", 0}}));
}

}  // namespace
}  // namespace trellis::test
