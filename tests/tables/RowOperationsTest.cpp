#include "support/TableFixture.h"
#include "tables/CatalogueLoading.h"
#include "tables/CellEditing.h"
#include "tables/GridFilling.h"
#include "tables/RowOperations.h"
#include "tables/TableSearch.h"
#include "tables/TableUndo.h"
#include "tables/TableOpening.h"
#include "tables/ValueLists.h"

#include <gtest/gtest.h>

#include <functional>

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
                    QStringLiteral("[F1]\nName=N\nType=i\nVar=m\n[F2]\nName=Имя\n[F3]\nName=Вид\nList=Бетон|Сталь\nEdit=-\n"
                                   "[F4]\nName=E\nMeasure=МПа\n[F5]\nName=Форма\nList=Круг|Кольцо\nListBmp=k|r\n"));
    f_.WriteInstall(QStringLiteral("El.ini"),
                    QStringLiteral("[F1]\nName=N\nType=i\n[F2]\nName=Материал\nType=i\nSource=Mat\nVar=m\n"));
    f_.WriteInstall(QStringLiteral("Res.ini"), QStringLiteral("[F1]\nName=N\nType=i\n[F2]\nName=U\n"));
    f_.WriteWorking(QStringLiteral("p.d09"), "1\t0,5\r\n");
    f_.WriteWorking(QStringLiteral("p.d01"), "5\ta\t\t\r\n7\tb\t\t\r\n");
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
  // The question names what the links take with it.
  EXPECT_EQ(f_.prompter.Messages().back().text,
            QStringLiteral("Удалить выбранные записи?\n\nПо связям будут удалены и строки других "
                           "таблиц:\n«Элементы» — 1"));
  EXPECT_EQ(f_.prompter.Messages().back().caption, "");

  fg1().SetSelection(2, 1, 2, 3);
  f_.prompter.QueueAnswer(MessageAnswer::Yes);
  EXPECT_TRUE(DeleteRows(f_.ctx, f_.prompter));
  EXPECT_EQ(f_.Working(QStringLiteral("p.d01")), "5\ta\t\t\t\r\n");
  // Row 2 referred to material 7; the row with no material stays.
  EXPECT_EQ(f_.Working(QStringLiteral("p.d02")), "1\t5\r\n3\t\r\n4\t5\r\n");

  fg1().SetSelection(1, 1, 1, 3);
  f_.prompter.QueueAnswer(MessageAnswer::Yes);
  DeleteRows(f_.ctx, f_.prompter);  // deleting all rows leaves one empty row
  EXPECT_EQ(fg1().Rows(), 1);
  EXPECT_EQ(f_.Working(QStringLiteral("p.d01")), "\t\t\t\t\r\n");
}

TEST_F(Rows, CopyAndPasteAsInASpreadsheet) {
  fg1().SetSelection(1, 1, 2, 3);
  const ClipboardText copied = CopySelection(fg1());
  EXPECT_EQ(copied.text, "5\ta\t\r\n7\tb\t");
  EXPECT_TRUE(copied.html.startsWith(QStringLiteral("<table><tr><td>5</td>")));

  // One cell selected: the block fills its own extent from it, adding rows at the end; the
  // new rows are numbered, a full stop in a column of numbers becomes a comma, list items
  // match without their case and spaces, and what lies beyond the last column is refused.
  fg1().SelectCell(2, 2);
  const PasteOutcome outcome =
      PasteClipboard(f_.ctx, QStringLiteral("x\tсталь \t1.25\tКольцо\tlost\r\ny\t\t2.5e3\r\nz\tДерево\tabc.d\n"));
  EXPECT_EQ(outcome.pasted, 12);
  EXPECT_EQ(outcome.refused, 3);
  EXPECT_EQ(f_.window.StatusBar1.Panel(1).left(27), QStringLiteral("Вставлено ячеек: 12; не при"));
  ASSERT_EQ(fg1().Rows(), 4);
  EXPECT_EQ(Cell(3, 1), "8");
  EXPECT_EQ(Cell(4, 1), "9");
  EXPECT_EQ(Cell(2, 3), QStringLiteral("Сталь"));
  EXPECT_EQ(Cell(2, 4), "1,25");
  EXPECT_EQ(Cell(3, 4), "2,5e3");
  EXPECT_EQ(Cell(4, 4), "abc.d");  // not a number: kept as it came, for the checks to mark
  EXPECT_EQ(Cell(4, 3), QStringLiteral("Дерево"));
  EXPECT_EQ(Cell(2, 5), QStringLiteral("Кольцо") + kImageItemSuffix);
  EXPECT_EQ(fg1().RowSel(), 4);
  EXPECT_EQ(fg1().ColSel(), 5);
  // Image list values leave without the spaces they keep.
  fg1().SelectCell(2, 5);
  EXPECT_EQ(CopySelection(fg1()).text, QStringLiteral("Кольцо"));

  // A selection that holds the block a whole number of times gets its copies.
  fg1().SetSelection(1, 2, 4, 2);
  EXPECT_EQ(PasteClipboard(f_.ctx, QStringLiteral("p\r\nq")).pasted, 4);
  EXPECT_EQ(Cell(1, 2) + Cell(2, 2) + Cell(3, 2) + Cell(4, 2), "pqpq");

  // The numbers of rows that were there are not pasted over.
  fg1().SelectCell(1, 1);
  EXPECT_EQ(PasteClipboard(f_.ctx, QStringLiteral("9")).refused, 1);
  EXPECT_EQ(Cell(1, 1), "5");

  f_.project.projectSaved = true;
  fg1().SetSelection(1, 1, 2, 3);
  EXPECT_EQ(CutSelection(f_.ctx).text, QStringLiteral("5\tp\t\r\n7\tq\tСталь"));
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
  EXPECT_EQ(PasteClipboard(f_.ctx, QStringLiteral("1\t2")).refused, 2);
  EXPECT_EQ(Cell(1, 2), "0,5");
  EXPECT_TRUE(f_.project.projectSaved);
}

TEST_F(Rows, SortingComparesNumbersAsNumbersAndTextsAsTexts) {
  fg1().Data().Reset(7, 3);
  const char16_t* keys[] = {u"3", u"10", u"2", u"", u"10", u"бетон", u"Арматура"};
  for (int r = 1; r <= 7; ++r) {
    fg1().Data().SetCell(r, 1, QString::fromUtf16(keys[r - 1]));
    fg1().Data().SetCell(r, 2, QString::number(r));
  }
  const auto order = [&] {
    QStringList rows;
    for (int r = 1; r <= 7; ++r) rows << Cell(r, 1) + u'/' + Cell(r, 2);
    return rows;
  };
  f_.project.projectSaved = true;
  fg1().SetSelection(1, 1, 7, 1);
  SortSelection(f_.ctx, SortOrder::Descending);
  EXPECT_FALSE(f_.project.projectSaved);
  EXPECT_EQ(order().join(u' '), QStringLiteral("бетон/6 Арматура/7 10/2 10/5 3/1 2/3 /4"));
  SortSelection(f_.ctx, SortOrder::Ascending);
  EXPECT_EQ(order().join(u' '), QStringLiteral("2/3 3/1 10/2 10/5 Арматура/7 бетон/6 /4"));
  EXPECT_EQ(fg1().Row(), 1);
  EXPECT_EQ(fg1().RowSel(), 7);
}

// The working files of both tables, the shown one written first.
QByteArray Files(test::TableFixture& f) {
  SaveCurrentTable(f.ctx);
  return f.Working(QStringLiteral("p.d01")) + "|" + f.Working(QStringLiteral("p.d02"));
}

TEST_F(Rows, UndoTakesEveryCommandBackByteForByteAndRedoDoesItAgain) {
  std::vector<QByteArray> states{Files(f_)};
  std::vector<QString> names;
  const auto step = [&](const QString& name, const std::function<void()>& command) {
    command();
    states.push_back(Files(f_));
    names.push_back(name);
    ASSERT_NE(states.back(), states[states.size() - 2]) << name.toStdString();
  };
  step("typing", [&] {
    fg1().SelectCell(1, 2);
    WriteEditorText(f_.ctx, CellEditAction::TextBox, QStringLiteral("бетон В25"));
  });
  step("paste", [&] {
    fg1().SelectCell(2, 2);
    PasteClipboard(f_.ctx, QStringLiteral("x\t\t1.5\r\ny\tСталь\r\nz"));
  });
  step("clear", [&] {
    fg1().SetSelection(1, 2, 3, 4);
    ClearSelection(f_.ctx);
  });
  step("add", [&] { AddRow(f_.ctx); });
  step("sort", [&] {
    fg1().SetSelection(1, 1, fg1().Rows(), 1);
    SortSelection(f_.ctx, SortOrder::Descending);
  });
  step("delete with linked rows", [&] {
    fg1().SetSelection(fg1().Rows() - 1, 1, fg1().Rows(), 1);  // materials 5 and 7 go...
    f_.prompter.QueueAnswer(MessageAnswer::Yes);
    DeleteRows(f_.ctx, f_.prompter);
  });
  ASSERT_EQ(f_.Working(QStringLiteral("p.d02")), "3\t\r\n");  // ...and the elements made of them
  step("delete all", [&] {
    fg1().SetSelection(1, 1, fg1().Rows(), 1);
    f_.prompter.QueueAnswer(MessageAnswer::Yes);
    DeleteRows(f_.ctx, f_.prompter);
  });
  step("paste into the emptied table", [&] {
    fg1().SelectCell(1, 2);
    PasteClipboard(f_.ctx, QStringLiteral("q\tБетон"));
  });
  step("cut", [&] {
    fg1().SetSelection(1, 2, 1, 3);
    CutSelection(f_.ctx);
  });
  for (size_t i = names.size(); i-- > 0;) {
    ASSERT_TRUE(UndoEdit(f_.ctx)) << names[i].toStdString();
    EXPECT_EQ(Files(f_), states[i]) << "undo of " << names[i].toStdString();
  }
  EXPECT_FALSE(UndoEdit(f_.ctx));
  for (size_t i = 0; i < names.size(); ++i) {
    ASSERT_TRUE(RedoEdit(f_.ctx)) << names[i].toStdString();
    EXPECT_EQ(Files(f_), states[i + 1]) << "redo of " << names[i].toStdString();
  }
  EXPECT_EQ(f_.window.StatusBar1.Panel(1), QStringLiteral("Повторено: вырезание"));
}

TEST_F(Rows, UndoReachesTablesThatAreNotShownAndANewStepDropsTheUndoneOnes) {
  fg1().SetSelection(2, 1, 2, 1);
  f_.prompter.QueueAnswer(MessageAnswer::Yes);
  DeleteRows(f_.ctx, f_.prompter);
  const QByteArray elementsAfterDelete = f_.Working(QStringLiteral("p.d02"));
  // The elements table is shown now: the materials come back in their file, the element that
  // referred to material 7 in the grid.
  f_.window.Tabs1.Select(2);
  OnTabClick(f_.ctx);
  ASSERT_EQ(fg1().Rows(), 3);
  EXPECT_EQ(f_.ctx.tables.history.UndoName(), QStringLiteral("удаление строк"));
  ASSERT_TRUE(UndoEdit(f_.ctx));
  EXPECT_EQ(f_.Working(QStringLiteral("p.d01")), "5\ta\t\t\t\r\n7\tb\t\t\t\r\n");
  EXPECT_EQ(fg1().Rows(), 4);
  EXPECT_EQ(Cell(2, 2), "7");
  EXPECT_EQ(f_.Working(QStringLiteral("p.d02")), "1\t5\r\n2\t7\r\n3\t\r\n4\t5\r\n");
  EXPECT_TRUE(f_.ctx.tables.history.CanRedo());
  fg1().SelectCell(1, 2);
  PasteClipboard(f_.ctx, QStringLiteral("7"));
  EXPECT_FALSE(f_.ctx.tables.history.CanRedo());
  ASSERT_TRUE(UndoEdit(f_.ctx));
  EXPECT_EQ(Cell(1, 2), "5");
  EXPECT_NE(elementsAfterDelete, f_.Working(QStringLiteral("p.d02")));
}

TEST_F(Rows, FindWrapsAroundAndReplaceLeavesTheRowNumbersAlone) {
  fg1().Data().SetCell(1, 2, QStringLiteral("Бетон 7"));
  fg1().Data().SetCell(2, 2, QStringLiteral("бетон"));
  SearchRequest request{QStringLiteral("бетон"), false, false};
  EXPECT_EQ(FindNextCell(fg1(), request, {1, 2}), (CellPlace{2, 2}));
  EXPECT_EQ(FindNextCell(fg1(), request, {2, 2}), (CellPlace{1, 2}));  // on from the top
  request.matchCase = true;
  EXPECT_EQ(FindNextCell(fg1(), request, {2, 2}), (CellPlace{2, 2}));  // itself comes last
  request = {QStringLiteral("Бетон"), false, true};
  EXPECT_EQ(FindNextCell(fg1(), request, {2, 2}), (CellPlace{2, 2}));
  request = {QStringLiteral("x"), false, false};
  EXPECT_FALSE(FindNextCell(fg1(), request, {1, 1}));

  // "7" is also material 7's number, which is not the user's to replace; in a column of
  // numbers a full stop becomes a comma.
  request = {QStringLiteral("7"), false, false};
  EXPECT_EQ(ReplaceAll(f_.ctx, request, QStringLiteral("1.5")), 1);
  EXPECT_EQ(Cell(1, 2), QStringLiteral("Бетон 1.5"));
  EXPECT_EQ(Cell(2, 1), "7");
  fg1().Data().SetCell(1, 4, QStringLiteral("2"));
  fg1().SelectCell(1, 4);
  EXPECT_TRUE(ReplaceInCurrentCell(f_.ctx, {QStringLiteral("2"), false, true}, QStringLiteral("2.5")));
  EXPECT_EQ(Cell(1, 4), "2,5");
  ASSERT_TRUE(UndoEdit(f_.ctx));
  ASSERT_TRUE(UndoEdit(f_.ctx));
  EXPECT_EQ(Cell(1, 2), QStringLiteral("Бетон 7"));
}

TEST_F(Rows, ValuesThatDoNotFitAreKeptMarkedAndListedUntilFixed) {
  const auto messages = [&] {
    QStringList lines;
    for (const ErrorEntry& e : f_.window.fg2.Entries()) lines << e.message + u'@' + e.table + u':' + e.row + u':' + e.column;
    return lines;
  };
  fg1().SelectCell(1, 3);
  PasteClipboard(f_.ctx, QStringLiteral("Дерево\tabc\r\nсталь\t1.5e3"));
  EXPECT_EQ(Cell(1, 4), "abc");  // nothing is refused
  EXPECT_EQ(messages(), QStringList({QStringLiteral("Вид: «Дерево» нет в списке колонки@Материалы:1:3"),
                                     QStringLiteral("E: «abc» — не число@Материалы:1:4")}));
  EXPECT_EQ(f_.window.StatusBar1.Panel(1), QStringLiteral("Строка 1, «Вид»: «Дерево» нет в списке колонки"));
  EXPECT_FALSE(fg1().ValueProblemOf(1, 4).isEmpty());
  EXPECT_TRUE(fg1().ValueProblemOf(2, 4).isEmpty());  // 1,5e3

  // The checks the macros run clear their own lines only.
  f_.window.fg2.Clear();
  EXPECT_EQ(messages().size(), 2);
  fg1().SelectCell(1, 4);
  WriteEditorText(f_.ctx, CellEditAction::TextBox, QStringLiteral("12,5"));
  EXPECT_EQ(messages().size(), 1);

  // A reference to a material that does not exist, in the other table; its line stays while
  // another table is shown, and goes when the typing is undone.
  f_.window.Tabs1.Select(2);
  OnTabClick(f_.ctx);
  fg1().SelectCell(3, 2);
  WriteEditorText(f_.ctx, CellEditAction::TextBox, QStringLiteral("9"));
  EXPECT_TRUE(messages().contains(QStringLiteral("Материал: строки «9» нет в таблице «Материалы»@Элементы:3:2")));
  f_.window.Tabs1.Select(1);
  OnTabClick(f_.ctx);
  EXPECT_EQ(messages().size(), 2);
  f_.window.Tabs1.Select(2);
  OnTabClick(f_.ctx);
  ASSERT_TRUE(UndoEdit(f_.ctx));
  EXPECT_EQ(messages().size(), 1);
}

}  // namespace
}  // namespace trellis
