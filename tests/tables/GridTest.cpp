#include "tables/CatalogueLoading.h"
#include "tables/GridFilling.h"
#include "tables/LowerPanes.h"
#include "support/TableFixture.h"
#include "tables/TableOpening.h"
#include "tables/ValueLists.h"

#include <QFileInfo>

#include <gtest/gtest.h>

namespace trellis {
namespace {

// Two model tables: Mat (identifier, check, option pair, image list) and Loads (read-only).
class Grids : public ::testing::Test {
 protected:
  Grids() {
    f_.WriteInstall(QStringLiteral("Tables.ini"),
                    QStringLiteral("[Main]\nTables=Mat|Loads\n[Ext]\nExtBmp=d\nExtName=Модель\nPost=0\n"
                                   "[Mat]\nExt=d01\nName=Материалы\n"
                                   "[Loads]\nExt=d04\nName=Нагрузки\nEdit=-\n"));
    f_.WriteInstall(QStringLiteral("bmp/Left/d.bmp"), QStringLiteral("BM"));
    f_.WriteInstall(QStringLiteral("bmp/Materials/Mat/steel.bmp"), QStringLiteral("BM"));
    f_.WriteInstall(QStringLiteral("Mat.ini"),
                    QStringLiteral("[F1]\nName=N\nType=i\nw=600\nVar=m\n"
                                   "[F2]\nName=Вид\nList=Бетон|Сталь\nListBmp=concrete|steel\nVar=kind\n"
                                   "[F3]\nName=Учет\nType=b\n"
                                   "[F4]\nName=X\nType=o\n[F5]\nName=Y\nType=o\n"
                                   "[F6]\nName=Скрытый\nw=0\n"));
    f_.WriteInstall(QStringLiteral("Loads.ini"),
                    QStringLiteral("[F1]\nName=N\nType=i\n[F2]\nName=Материал\nType=i\nSource=Mat\nVar=m\n"
                                   "[F3]\nName=Вид\nSource=Mat\nVar=kind\n"));
    BuildGroupButtons(f_.ctx);
  }

  Grid& fg1() { return f_.window.fg1; }
  void OpenTab(int position) {
    f_.window.Tabs1.Select(position);
    OnTabClick(f_.ctx);
  }

  test::TableFixture f_;
};

TEST_F(Grids, OpensATableWithHeadersPicturesAndHiddenColumns) {
  f_.WriteWorking(QStringLiteral("p.d01"),
                  "1\t\xD1\xF2\xE0\xEB\xFC      \t\xB7\t\t\xB7\tx\r\n2\t\xC1\xE5\xF2\xEE\xED\t\t\xB7\t\t\r\n");
  LoadCatalogue(f_.ctx);
  ASSERT_EQ(fg1().Rows(), 2);
  ASSERT_EQ(fg1().Cols(), 6);
  EXPECT_EQ(fg1().Data().Cell(0, 2), QStringLiteral("Вид "));
  EXPECT_EQ(fg1().Data().Cell(2, 0), "2");

  EXPECT_EQ(fg1().PictureOf(1, 2).kind, CellPictureKind::File);
  EXPECT_TRUE(fg1().PictureOf(1, 2).file.endsWith(QStringLiteral("bmp/Materials/Mat/steel.bmp")));
  EXPECT_EQ(fg1().PictureOf(2, 2).kind, CellPictureKind::None);  // no six spaces
  EXPECT_EQ(fg1().PictureOf(1, 3).kind, CellPictureKind::CheckSet);
  EXPECT_EQ(fg1().PictureOf(2, 3).kind, CellPictureKind::CheckClear);
  EXPECT_EQ(fg1().PictureOf(2, 4).kind, CellPictureKind::OptionSet);
  EXPECT_TRUE(fg1().IsMarkCell(1, 5));
  EXPECT_FALSE(fg1().IsMarkCell(1, 2));

  EXPECT_EQ(fg1().HeaderStyleOf(2).rgb, 0x0000C0u);
  EXPECT_TRUE(fg1().HeaderStyleOf(2).underline);
  EXPECT_FALSE(fg1().HeaderStyleOf(2).bold);
  EXPECT_EQ(fg1().HeaderStyleOf(1).rgb, 0x808080u);
  EXPECT_TRUE(fg1().HeaderStyleOf(1).bold);
  EXPECT_EQ(fg1().HeaderStyleOf(3).rgb, 0u);

  EXPECT_EQ(fg1().ColumnWidth(1), 600);
  EXPECT_TRUE(fg1().IsColumnHidden(6));
  EXPECT_EQ(fg1().ColumnWidth(0), Grid::kNumberColumnTwips);
  EXPECT_EQ(f_.tables.loadedTableFile, "p.d01");
  EXPECT_TRUE(f_.hooks.calls.contains(QStringLiteral("ShowTableHelp Mat")));
  EXPECT_TRUE(f_.hooks.calls.contains(QStringLiteral("RunTableHook MacrosStart")));
  EXPECT_TRUE(fg1().SelectionEventsOn());
}

TEST_F(Grids, WidthsScaleDownToTheGrid) {
  fg1().SetWidthTwips(540 + 1000);
  fg1().SetTextMeasure([](const QString&) { return 1500; });
  LoadCatalogue(f_.ctx);
  // 600 + 4 x 1500 = 6600 twips scaled into 1000.
  EXPECT_EQ(fg1().ColumnWidth(1), 91);
  EXPECT_EQ(fg1().ColumnWidth(2), 227);
  EXPECT_EQ(fg1().ColumnWidth(6), 0);
}

TEST_F(Grids, OneRowTablesGetAnIdentifier) {
  for (const char* cell : {"0", "abc", "2,5", ""}) {
    f_.WriteWorking(QStringLiteral("p.d01"), QByteArray(cell) + "\tx\t\t\t\t\r\n");
    f_.tables.lastOpenedTableKey.clear();
    LoadCatalogue(f_.ctx);
    EXPECT_EQ(fg1().Data().Cell(1, 1), "1") << cell;
  }
  f_.WriteWorking(QStringLiteral("p.d01"), "3\tx\t\t\t\t\r\n");
  f_.tables.lastOpenedTableKey.clear();
  LoadCatalogue(f_.ctx);
  EXPECT_EQ(fg1().Data().Cell(1, 1), "3");

  QFile::remove(f_.WorkingPath(QStringLiteral("p.d01")));  // no file: one row numbered 1
  f_.tables.lastOpenedTableKey.clear();
  LoadCatalogue(f_.ctx);
  EXPECT_EQ(fg1().Rows(), 1);
  EXPECT_EQ(fg1().Data().Cell(1, 1), "1");
}

TEST_F(Grids, LeavingATableWritesItBackUnderTheRules) {
  f_.WriteWorking(QStringLiteral("p.d01"), "1\ta\t\t\t\t\r\n2\tb\t\t\t\t\r\n");
  f_.WriteWorking(QStringLiteral("p.d04"), "1\t\t\r\n");  // refers to no material
  LoadCatalogue(f_.ctx);
  fg1().Data().SetCell(2, 2, u"c");
  fg1().GoToCell(2, 2);
  OpenTab(2);
  EXPECT_EQ(f_.Working(QStringLiteral("p.d01")), "1\ta\t\t\t\t\r\n2\tc\t\t\t\t\r\n");
  EXPECT_EQ(f_.tables.loadedTableFile, "p.d04");
  EXPECT_EQ(f_.tables.currentTableKey, "Loads");

  // The read-only table is never written back, even when its store changed.
  fg1().Data().SetCell(1, 2, u"9");
  OpenTab(1);
  EXPECT_EQ(f_.Working(QStringLiteral("p.d04")), "1\t\t\r\n");
  EXPECT_EQ(fg1().TopRow(), 1);  // every table opens at its top
  EXPECT_EQ(fg1().Row(), 1);

  // A store left from another project's files is not written into this one.
  f_.tables.loadedTableFile = QStringLiteral("old.d01");
  fg1().Data().SetCell(1, 2, u"zzz");
  const QDateTime before = QFileInfo(f_.WorkingPath(QStringLiteral("p.d01"))).lastModified();
  OpenTab(2);
  EXPECT_EQ(QFileInfo(f_.WorkingPath(QStringLiteral("p.d01"))).lastModified(), before);
  EXPECT_FALSE(QFileInfo::exists(f_.WorkingPath(QStringLiteral("old.d01"))));
}

TEST_F(Grids, ASourceValueChangeReachesTheLinkingTableWhenItOpens) {
  f_.WriteWorking(QStringLiteral("p.d01"), "1\tx\t\t\t\t\r\n2\ty\t\t\t\t\r\n");
  f_.WriteWorking(QStringLiteral("p.d04"), "1\t2\ty\r\n2\t1\tx\r\n3\t\t\r\n");
  LoadCatalogue(f_.ctx);
  fg1().Data().SetCell(2, 2, u"z");
  f_.hooks.calls.clear();
  OpenTab(2);  // Materials are written, so the links are brought up to date
  EXPECT_EQ(f_.Working(QStringLiteral("p.d04")), "1\t2\tz\r\n2\t1\tx\r\n3\t\t\r\n");
  EXPECT_EQ(fg1().Data().Cell(1, 3), "z");  // the shown table was filled again
  EXPECT_EQ(f_.hooks.calls.count(QStringLiteral("ShowTableHelp Loads")), 2);
  EXPECT_FALSE(f_.writer.TableFileWritten());

  f_.hooks.calls.clear();
  OpenTab(2);  // the same tab again: nothing is reopened
  EXPECT_FALSE(f_.hooks.calls.contains(QStringLiteral("ShowTableHelp Loads")));
}

TEST_F(Grids, SelectionMovesAreSilentAndThePopupSelectsItsFirstRow) {
  f_.WriteWorking(QStringLiteral("p.d01"), "1\ta\t\t\t\t\r\n2\tb\t\t\t\t\r\n3\tc\t\t\t\t\r\n");
  LoadCatalogue(f_.ctx);
  std::vector<bool> seen;
  QObject::connect(&fg1(), &Grid::ViewChanged, [&] { seen.push_back(fg1().SelectionEventsOn()); });
  fg1().SelectAllCells();
  EXPECT_EQ(fg1().Row(), 3);
  EXPECT_EQ(fg1().Col(), 6);
  EXPECT_EQ(fg1().RowSel(), 1);
  fg1().SelectRows(2, 3);
  EXPECT_EQ(fg1().ColSel(), 6);
  ASSERT_FALSE(seen.empty());
  EXPECT_EQ(std::count(seen.begin(), seen.end(), true), 0);
  EXPECT_TRUE(fg1().SelectionEventsOn());

  Grid& popup = f_.tables.popupGrid;
  FillGrid(f_.ctx, popup, QStringLiteral("Mat"), true);
  EXPECT_EQ(popup.Rows(), 3);
  EXPECT_EQ(popup.Row(), 1);
  EXPECT_EQ(popup.ColSel(), popup.Cols());
  EXPECT_EQ(popup.HeaderStyleOf(1).rgb, 0u);  // no header styles in the popup
}

TEST_F(Grids, OpeningATableShowsTheHelpPaneUnlessTheLowerAreaIsOpen) {
  WindowModel& w = f_.window;
  BuildLowerTabs(w.Tabs2);
  ToolButton down;
  down.key = QStringLiteral("Down");
  down.style = ButtonStyle::Check;
  w.Toolbar1.Add(down);
  LoadCatalogue(f_.ctx);
  SelectLowerTab(w, 3);
  ASSERT_EQ(w.lowerPanes.Shown(), "Report");
  OpenTab(2);  // the lower area is closed: back to "Справка", with its pane
  EXPECT_EQ(w.Tabs2.Selected(), 1);
  EXPECT_EQ(w.lowerPanes.Shown(), "Help");

  w.Toolbar1.SetPressed(1, true);
  SelectLowerTab(w, 2);
  OpenTab(1);  // open: the user's choice stays
  EXPECT_EQ(w.lowerPanes.Shown(), "Err");
}

}  // namespace
}  // namespace trellis
