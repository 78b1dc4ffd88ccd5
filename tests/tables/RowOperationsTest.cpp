#include "support/TableFixture.h"
#include "tables/CatalogueLoading.h"
#include "tables/RowOperations.h"
#include "tables/TableOpening.h"
#include "tables/ValueLists.h"

#include <gtest/gtest.h>

namespace trellis {
namespace {

// Materials (source) and Elements, whose column 2 refers to a material by number.
class Rows : public ::testing::Test {
 protected:
  Rows() {
    f_.WriteInstall(QStringLiteral("Tables.ini"),
                    QStringLiteral("[Main]\nTables=Mat|El|Res\n[Ext]\nExtBmp=d\nExtName=М\nPost=0\n"
                                   "[Mat]\nExt=d01\nName=Материалы\n[El]\nExt=d02\nName=Элементы\n"
                                   "[Res]\nExt=d09\nName=Результаты\nEdit=-\n"));
    f_.WriteInstall(QStringLiteral("bmp/Left/d.bmp"), QStringLiteral("BM"));
    f_.WriteInstall(QStringLiteral("Mat.ini"),
                    QStringLiteral("[F1]\nName=N\nType=i\nVar=m\n[F2]\nName=Имя\n[F3]\nName=Вид\nList=Бетон|Сталь\nEdit=-\n"));
    f_.WriteInstall(QStringLiteral("El.ini"),
                    QStringLiteral("[F1]\nName=N\nType=i\n[F2]\nName=Материал\nType=i\nSource=Mat\nVar=m\n"));
    f_.WriteInstall(QStringLiteral("Res.ini"), QStringLiteral("[F1]\nName=N\nType=i\n[F2]\nName=U\n"));
    f_.WriteWorking(QStringLiteral("p.d09"), "1\t0,5\r\n");
    f_.WriteWorking(QStringLiteral("p.d01"), "5\ta\t\r\n7\tb\t\r\n");
    f_.WriteWorking(QStringLiteral("p.d02"), "1\t5\r\n2\t7\r\n3\t\r\n4\t5\r\n");
    BuildGroupButtons(f_.ctx);
    LoadCatalogue(f_.ctx);
  }
  Grid& fg1() { return f_.window.fg1; }
  QString Cell(int r, int c) { return fg1().Data().Cell(r, c); }

  test::TableFixture f_;
};

TEST_F(Rows, AddedRowsNumberOnFromTheRowAbove) {
  AddRow(f_.ctx);
  EXPECT_EQ(fg1().Rows(), 3);
  EXPECT_EQ(Cell(3, 1), "8");
  EXPECT_EQ(fg1().Row(), 3);
  EXPECT_EQ(fg1().Col(), 2);
  EXPECT_TRUE(f_.hooks.calls.contains(QStringLiteral("RunTableHook MacrosAdd")));
}

TEST_F(Rows, DeletingASourceRowRemovesTheRowsThatReferToIt) {
  fg1().SetSelection(2, 1, 2, 3);
  f_.prompter.QueueAnswer(MessageAnswer::No);
  EXPECT_FALSE(DeleteRows(f_.ctx, f_.prompter));
  EXPECT_EQ(fg1().Rows(), 2);
  EXPECT_EQ(f_.prompter.Messages().back().text, QStringLiteral("Удалить выбранные записи?"));
  EXPECT_EQ(f_.prompter.Messages().back().caption, "");

  fg1().SetSelection(2, 1, 2, 3);
  f_.prompter.QueueAnswer(MessageAnswer::Yes);
  EXPECT_TRUE(DeleteRows(f_.ctx, f_.prompter));
  EXPECT_EQ(f_.Working(QStringLiteral("p.d01")), "5\ta\t\r\n");
  // Row 2 referred to material 7; the row with no material stays.
  EXPECT_EQ(f_.Working(QStringLiteral("p.d02")), "1\t5\r\n3\t\r\n4\t5\r\n");

  fg1().SetSelection(1, 1, 1, 3);
  f_.prompter.QueueAnswer(MessageAnswer::Yes);
  DeleteRows(f_.ctx, f_.prompter);  // deleting all rows leaves one empty row
  EXPECT_EQ(fg1().Rows(), 1);
  EXPECT_EQ(f_.Working(QStringLiteral("p.d01")), "\t\t\r\n");
}

TEST_F(Rows, CopyAndPasteThroughTheClipboardText) {
  fg1().SetSelection(1, 1, 2, 3);
  const ClipboardText copied = CopySelection(fg1());
  EXPECT_EQ(copied.text, "5\ta\t\r\n7\tb\t");
  EXPECT_TRUE(copied.html.startsWith(QStringLiteral("<table><tr><td>5</td>")));

  fg1().SelectCell(1, 2);
  EXPECT_TRUE(PasteClipboard(f_.ctx, QStringLiteral("x\ty\r\nz\tw\r\n")));
  EXPECT_EQ(Cell(1, 2), "x");  // one cell selected: only its own part
  EXPECT_EQ(Cell(1, 3), "");
  EXPECT_EQ(Cell(2, 2), "b");

  fg1().SelectCell(1, 1);
  EXPECT_FALSE(PasteClipboard(f_.ctx, QStringLiteral("9")));  // identifiers refuse
  fg1().SelectCell(1, 3);
  EXPECT_FALSE(PasteClipboard(f_.ctx, QStringLiteral("Дерево")));  // not one of the list items
  EXPECT_TRUE(PasteClipboard(f_.ctx, QStringLiteral("Сталь\n")));
  EXPECT_EQ(Cell(1, 3), QStringLiteral("Сталь"));

  f_.project.projectSaved = true;
  fg1().SetSelection(1, 1, 2, 3);
  EXPECT_EQ(CutSelection(f_.ctx).text, QStringLiteral("5\tx\tСталь\r\n7\tb\t"));
  // The numbers that identify the rows stay; the rest is cleared, and that is a change.
  EXPECT_EQ(Cell(1, 1), "5");
  EXPECT_EQ(Cell(2, 1), "7");
  EXPECT_EQ(Cell(1, 2), "");
  EXPECT_EQ(Cell(2, 3), "");
  EXPECT_FALSE(f_.project.projectSaved);
}

TEST_F(Rows, AReadOnlyTableIsNeverCleared) {
  f_.window.Tabs1.Select(3);
  OnTabClick(f_.ctx);
  ASSERT_EQ(Cell(1, 2), "0,5");
  f_.project.projectSaved = true;
  fg1().SetSelection(1, 1, 1, 2);
  ClearSelection(f_.ctx);
  EXPECT_EQ(Cell(1, 2), "0,5");
  EXPECT_TRUE(f_.project.projectSaved);
}

TEST_F(Rows, SortingPutsTheLargestNumbersFirst) {
  fg1().Data().Reset(6, 3);
  const char* keys[] = {"3", "10", "2", "10", "1", "x"};
  for (int r = 1; r <= 6; ++r) {
    fg1().Data().SetCell(r, 1, QString::fromLatin1(keys[r - 1]));
    fg1().Data().SetCell(r, 2, QString::number(r));
  }
  f_.project.projectSaved = true;
  fg1().SetSelection(1, 1, 2, 1);
  SortSelection(f_.ctx);  // 3 and 10 swap: a change to save
  EXPECT_FALSE(f_.project.projectSaved);
  fg1().SetSelection(1, 1, 5, 1);
  SortSelection(f_.ctx);
  QStringList order;
  for (int r = 1; r <= 6; ++r) order << Cell(r, 1) + u'/' + Cell(r, 2);
  EXPECT_EQ(order, QStringList({"10/2", "10/4", "3/1", "2/3", "1/5", "x/6"}));
  EXPECT_EQ(fg1().Row(), 1);
  EXPECT_EQ(fg1().RowSel(), 5);
}

}  // namespace
}  // namespace trellis
