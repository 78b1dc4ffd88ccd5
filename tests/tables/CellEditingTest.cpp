#include "support/TableFixture.h"
#include "tables/CatalogueLoading.h"
#include "tables/CellEditing.h"
#include "tables/TableOpening.h"
#include "tables/ValueListPopup.h"
#include "tables/ValueLists.h"

#include <gtest/gtest.h>

namespace trellis {
namespace {

// Elements refer to Materials; options in columns 3..5 and 7, a check box in 6.
class Editing : public ::testing::Test {
 protected:
  Editing() {
    f_.WriteInstall(QStringLiteral("Tables.ini"),
                    QStringLiteral("[Main]\nTables=El|Mat|Ro\n[Ext]\nExtBmp=d\nExtName=М\nPost=0\n"
                                   "[El]\nExt=d02\nName=Элементы\n[Mat]\nExt=d01\nName=Материалы\n"
                                   "[Ro]\nExt=d03\nName=Только чтение\nEdit=-\n"));
    f_.WriteInstall(QStringLiteral("bmp/Left/d.bmp"), QStringLiteral("BM"));
    f_.WriteInstall(QStringLiteral("bmp/El/beam.bmp"), QStringLiteral("BM"));
    f_.WriteInstall(QStringLiteral("El.ini"),
                    QStringLiteral("[F1]\nName=N\nType=i\n"
                                   "[F2]\nName=Тип\nList=Балка|Стойка\nListBmp=beam|column\n"
                                   "[F3]\nName=X\nType=o\n[F4]\nName=Y\nType=o\n[F5]\nName=Z\nType=o\n"
                                   "[F6]\nName=Учет\nType=b\n[F7]\nName=W\nType=o\n"
                                   "[F8]\nName=Материал\nType=i\nSource=Mat\nVar=mat\n"
                                   "[F9]\nName=Название\nSource=Mat\nVar=matname\n"
                                   "[F10]\nName=Модуль\nSource=Mat\nVar=E\n"));
    f_.WriteInstall(QStringLiteral("Mat.ini"),
                    QStringLiteral("[F1]\nName=N\nType=i\nVar=mat\n[F2]\nName=Название\nVar=matname\n"
                                   "[F3]\nName=Модуль\nVar=E\n[F4]\nName=Прочее\nVar=other\n"));
    f_.WriteWorking(QStringLiteral("p.d01"), "1\tB25\t30000\tx\r\n2\tC245\t206000\ty\r\n");
    f_.WriteWorking(QStringLiteral("p.d02"),
                    "1\t\xC1\xE0\xEB\xEA\xE0      \t\xB7\t\t\t\t\xB7\t\t\t\r\n2\t\t\t\t\t\t\t\t\t\r\n");
    BuildGroupButtons(f_.ctx);
    LoadCatalogue(f_.ctx);
  }
  Grid& fg1() { return f_.window.fg1; }
  QString Cell(int r, int c) { return fg1().Data().Cell(r, c); }

  test::TableFixture f_;
};

TEST_F(Editing, OnlyASingleCellOpensAnEditor) {
  fg1().SelectCell(1, 2);
  EXPECT_EQ(ChooseCellEditor(f_.ctx, 3), CellEditAction::ImageCombo);
  EXPECT_EQ(ChooseCellEditor(f_.ctx, 0), CellEditAction::TextBox);
  fg1().SelectCell(1, 1);  // an identifier is not typed in
  EXPECT_EQ(ChooseCellEditor(f_.ctx, 0), CellEditAction::None);
  EXPECT_EQ(ChooseCellEditor(f_.ctx, 4), CellEditAction::None);
  fg1().SetSelection(1, 2, 2, 2);
  EXPECT_EQ(ChooseCellEditor(f_.ctx, 0), CellEditAction::None);
  fg1().SelectRows(1, 1);
  EXPECT_EQ(ChooseCellEditor(f_.ctx, 6), CellEditAction::None);

  f_.window.Tabs1.Select(3);
  OnTabClick(f_.ctx);
  fg1().SelectCell(1, 1);
  EXPECT_EQ(ChooseCellEditor(f_.ctx, 0), CellEditAction::RunClick);
}

TEST_F(Editing, OptionsClearTheirAdjacentGroupAndChecksToggle) {
  fg1().SelectCell(1, 4);
  EXPECT_TRUE(ToggleMarkCell(f_.ctx));
  EXPECT_EQ(Cell(1, 3), "");
  EXPECT_EQ(Cell(1, 4), kMarkedCell);
  EXPECT_EQ(Cell(1, 7), kMarkedCell);  // behind the check column: another group
  EXPECT_TRUE(ToggleMarkCell(f_.ctx));  // a chosen option can be unchosen
  EXPECT_EQ(Cell(1, 4), "");

  fg1().SelectCell(2, 6);
  ToggleMarkCell(f_.ctx);
  EXPECT_EQ(Cell(2, 6), kMarkedCell);
  ToggleMarkCell(f_.ctx);
  EXPECT_EQ(Cell(2, 6), "");
  fg1().SelectCell(2, 2);
  EXPECT_FALSE(ToggleMarkCell(f_.ctx));
}

TEST_F(Editing, EditorKeysWriteAndMove) {
  fg1().SelectCell(2, 2);
  EditorEnter(f_.ctx, CellEditAction::ImageCombo, QStringLiteral("Стойка"));
  EXPECT_EQ(Cell(2, 2), QStringLiteral("Стойка") + kImageItemSuffix);
  EXPECT_EQ(fg1().Row(), 2);  // the last row stays
  EXPECT_FALSE(EditorTab(f_.ctx, CellEditAction::TextBox, QString()));
  EXPECT_EQ(fg1().Col(), 3);
  EXPECT_EQ(TypedCharacter(u'.'), u',');
}

TEST_F(Editing, ImageComboOffersTheListAndKeepsAnUnknownValue) {
  fg1().SelectCell(1, 2);
  ImageComboContent combo = BuildImageCombo(f_.ctx);
  ASSERT_EQ(combo.items.size(), 2u);
  EXPECT_EQ(combo.selected, 0);
  EXPECT_TRUE(combo.items[0].picture.endsWith(QStringLiteral("bmp/El/beam.bmp")));
  EXPECT_EQ(combo.items[1].picture, "");

  fg1().Data().SetCell(1, 2, QStringLiteral("Ферма") + kImageItemSuffix);
  combo = BuildImageCombo(f_.ctx);
  ASSERT_EQ(combo.items.size(), 3u);
  EXPECT_EQ(combo.items[2].text, QStringLiteral("Ферма"));
  EXPECT_EQ(combo.selected, 2);
}

TEST_F(Editing, PickingASourceRowCopiesByVariableNames) {
  fg1().SelectCell(2, 8);
  OpenValueListPopup(f_.ctx);
  Grid& popup = f_.tables.popupGrid;
  ASSERT_EQ(popup.Rows(), 2);
  popup.SelectRows(2, 2);
  PickFromValueList(f_.ctx);
  // No index groups: every main column whose Var the popup has is filled.
  EXPECT_EQ(Cell(2, 8), "2");
  EXPECT_EQ(Cell(2, 9), "C245");
  EXPECT_EQ(Cell(2, 10), "206000");
  EXPECT_EQ(Cell(1, 9), "");
}

TEST_F(Editing, ThePopupFitsItsColumnsIntoItsOwnWidth) {
  fg1().SelectCell(2, 8);
  OpenValueListPopup(f_.ctx);
  const Grid& popup = f_.tables.popupGrid;
  const auto columnsWidth = [&] {
    int sum = 0;
    for (int k = 1; k <= popup.Cols(); ++k) sum += popup.ColumnWidth(k);
    return sum;
  };
  FitValueListColumns(f_.ctx, 100000);
  const int natural = columnsWidth();
  FitValueListColumns(f_.ctx, 1500);
  ASSERT_LT(1500, natural);
  EXPECT_LE(columnsWidth(), 1500 - 540);  // the number column and the scroll bar take the rest
  EXPECT_GT(columnsWidth(), 1500 - 540 - popup.Cols());
}

}  // namespace
}  // namespace trellis
