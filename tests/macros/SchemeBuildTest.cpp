#include "MacroProject.h"

#include "app/FilePaths.h"
#include "app/IniFiles.h"
#include "macros/scheme/SchemeMacro.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace trellis::test {
namespace {

using macros::TableRows;

QStringList Row(const TableRows& table, int row) {
  QStringList cells;
  for (int column = 1; column <= table.ColumnCount(); ++column) cells << table.Cell(row, column);
  return cells;
}

// The two-bay frame: the beam over the columns is one line, cut by the middle column's top and by
// the point of a node group.
class SchemeBuild : public ::testing::Test {
 protected:
  void SetUp() override { project_.DrawTwoBayFrame(); }
  void Build() { project_.Run(macro_, QStringLiteral("Build")); }
  QByteArray Files() {
    QByteArray all;
    for (const char* ext : {"g01", "g02", "g03"}) all += ReadBytes(project_.working.File(QStringLiteral("N.") + ext));
    return all;
  }

  MacroProject project_;
  macros::SchemeMacro macro_;
};

TEST_F(SchemeBuild, NodesWhereLinesEndOrMeetAndElementsDividedByTheStep) {
  Build();
  const TableRows main = project_.Read(QStringLiteral("CoordPoints"));
  ASSERT_EQ(main.RowCount(), 7);
  // Bottom row first, then the top, each from left to right; node groups matched by place.
  EXPECT_EQ(Row(main, 1), (QStringList{"1", "0", "0", "0", "1"}));
  EXPECT_EQ(Row(main, 3), (QStringList{"3", "12", "0", "0", "1"}));
  EXPECT_EQ(Row(main, 5), (QStringList{"5", "3", "0", "3", "2"}));
  EXPECT_EQ(Row(main, 6), (QStringList{"6", "6", "0", "3", ""}));

  const TableRows all = project_.Read(QStringLiteral("CoordAllPoints"));
  ASSERT_EQ(all.RowCount(), 8);
  EXPECT_EQ(Row(all, 4), (QStringList{"4", "0", "0", "3", "4"}));
  EXPECT_EQ(Row(all, 8), (QStringList{"8", "9", "0", "3", ""}));

  const TableRows elements = project_.Read(QStringLiteral("NumEl"));
  ASSERT_EQ(elements.RowCount(), 7);
  EXPECT_EQ(Row(elements, 1), (QStringList{"1", "1", "4", "1", "Колонны"}));
  EXPECT_EQ(Row(elements, 2), (QStringList{"2", "2", "6", "1", "Колонны"}));
  EXPECT_EQ(Row(elements, 4), (QStringList{"4", "4", "5", "2", "Ригель"}));
  EXPECT_EQ(Row(elements, 6), (QStringList{"6", "6", "8", "2", "Ригель"}));
  EXPECT_EQ(Row(elements, 7), (QStringList{"7", "8", "7", "2", "Ригель"}));

  EXPECT_TRUE(project_.window->calls.contains(QStringLiteral("TablesChanged")));
  EXPECT_EQ(project_.window->calls.last(),
            QStringLiteral("Status Расчетная схема построена: узлов 8 (основных 7), элементов 7"));
}

TEST_F(SchemeBuild, AnUnchangedDrawingNumbersAlikeAndAnotherStepRenumbersOnlyWhatItDivides) {
  Build();
  const QByteArray first = Files();
  Build();
  EXPECT_EQ(Files(), first);

  project_.WriteTable(QStringLiteral("Elements"),
                      {{"1", "Колонны", "", "", "", "", "", "", "", "", ""},
                       {"2", "Ригель", "", "", "", "", "", "", "", "", "1,5"}});
  Build();
  const TableRows all = project_.Read(QStringLiteral("CoordAllPoints"));
  ASSERT_EQ(all.RowCount(), 12);
  EXPECT_EQ(Row(all, 7), (QStringList{"7", "12", "0", "3", "7"}));  // main nodes keep their numbers
  EXPECT_EQ(Row(all, 8), (QStringList{"8", "1,5", "0", "3", ""}));
  EXPECT_EQ(Row(all, 12), (QStringList{"12", "10,5", "0", "3", ""}));
  const TableRows elements = project_.Read(QStringLiteral("NumEl"));
  ASSERT_EQ(elements.RowCount(), 11);
  EXPECT_EQ(Row(elements, 4), (QStringList{"4", "4", "8", "2", "Ригель"}));
  EXPECT_EQ(Row(elements, 11), (QStringList{"11", "12", "7", "2", "Ригель"}));
}

TEST_F(SchemeBuild, LinesAloneAreReadAsWellAsLinesAmongPoints) {
  project_.WriteTable(QStringLiteral("Points"), {});
  Build();
  EXPECT_EQ(project_.Read(QStringLiteral("CoordPoints")).RowCount(), 6);  // no load point on the beam
  const TableRows elements = project_.Read(QStringLiteral("NumEl"));
  ASSERT_EQ(elements.RowCount(), 7);
  EXPECT_EQ(Row(elements, 4), (QStringList{"4", "4", "7", "2", "Ригель"}));  // 0 to 3 m of the beam
}

TEST_F(SchemeBuild, PlacesWithinTheToleranceOfTheSettingsFileAreOneNode) {
  // The middle column drawn a little short of the beam.
  project_.DrawLines(project_.Group("E", 1), {{{6, 0, 3.0004}, {6, 0, 4}}});
  Build();
  EXPECT_EQ(project_.Read(QStringLiteral("CoordPoints")).RowCount(), 8);  // + the new top at 4 m

  IniFiles ini;
  ASSERT_TRUE(ini.WriteIni(u"Calc", u"NodeTolerance", u"0,0001", project_.working.File(QStringLiteral("N.ini"))));
  Build();
  EXPECT_EQ(project_.Read(QStringLiteral("CoordPoints")).RowCount(), 9);
}

TEST_F(SchemeBuild, WithoutADrawingOrWithAnUnwritableFolderNothingChangesAndTheUserIsTold) {
  Build();
  const QByteArray built = Files();
  QVariantList args{project_.program, project_.working.Path(), QStringLiteral("N"),
                    ObjectValue(project_.window), QVariant()};
  macro_.Invoke(QStringLiteral("Build"), args);
  EXPECT_TRUE(project_.window->calls.last().startsWith(QStringLiteral("Message Расчетная схема строится по чертежу")));

  // A table file that cannot be replaced: none of the three changes.
  project_.DrawLines(project_.Group("E", 2), {{{0, 0, 6}, {12, 0, 6}}});
  const QString g03 = project_.working.File(QStringLiteral("N.g03"));
  const QByteArray elements = ReadBytes(g03);
  ASSERT_TRUE(QFile::remove(g03) && QDir().mkdir(g03));
  Build();
  EXPECT_TRUE(project_.window->calls.last().startsWith(QStringLiteral("Message Расчетная схема не записана")));
  ASSERT_TRUE(QDir().rmdir(g03));
  WriteBytes(g03, elements);
  EXPECT_EQ(Files(), built);
}

}  // namespace
}  // namespace trellis::test
