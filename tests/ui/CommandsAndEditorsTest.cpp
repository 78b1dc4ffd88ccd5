#include "app/TextCodec.h"
#include "support/ScriptedPrompter.h"
#include "support/TestFiles.h"
#include "tables/ValueLists.h"
#include "ui/ApplicationContext.h"
#include "ui/CommandDispatch.h"
#include "ui/FindReplaceDialog.h"
#include "ui/GridView.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QDir>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>
#include <stdexcept>

namespace trellis {
namespace {

// Seams that record what the window asked of the rest of the program; the calculation fails.
class RecordingSeams : public ProgramSeams {
 public:
  void CopyTemplates() override { Note("CopyTemplates"); }
  void CreateStartupProject() override { Note("CreateStartupProject"); }
  void AskSaveChanges(bool& cancel) override {
    Note("AskSaveChanges");
    cancel = cancelClose;
  }
  void BuildMacroButtons() override { Note("BuildMacroButtons"); }
  void ReapplyLayerButtons(bool) override { Note("ReapplyLayerButtons"); }
  void ResetGroupHighlight() override { Note("ResetGroupHighlight"); }
  void RunActionString(const QString& action) override { Note("RunActionString " + action); }
  void StopMacro() override { Note("StopMacro"); }
  void ReleaseMacroObject() override { Note("ReleaseMacroObject"); }
  bool NewProject() override { return Note("NewProject"), true; }
  bool OpenProject() override { return Note("OpenProject"), true; }
  bool SaveProject() override { return Note("SaveProject"), saveRuns; }
  void SaveAs() override { Note("SaveAs"); }
  void ArchiveProject() override { Note("ArchiveProject"); }
  void ExportProgram() override { Note("ExportProgram"); }
  void OpenRecent(const QString& path) override { Note("OpenRecent " + path); }
  void AssignRegionToRow() override { Note("AssignRegionToRow"); }
  void ShowSelect(bool) override { Note("ShowSelect"); }
  void RunCalculation() override { throw std::runtime_error("Расчетный модуль недоступен"); }
  void RunButtonsIniSection(const QString& section) override { Note("RunButtonsIniSection " + section); }
  void ResetResults() override { Note("ResetResults"); }
  void KeepForRecovery() override { Note("KeepForRecovery"); }
  void RecoverProject(const RecoveryRecord&) override { Note("RecoverProject"); }

  QStringList calls;
  bool saveRuns = true;
  bool cancelClose = false;

 private:
  void Note(const QString& call) { calls << call; }
};

class Commands : public ::testing::Test {
 protected:
  Commands() {
    Write(QStringLiteral("Tables.ini"),
          "[Main]\nTables=Mat\n[Ext]\nExtBmp=d\nExtName=Модель\nPost=0\n[Mat]\nExt=d01\nName=Материалы\n");
    Write(QStringLiteral("Mat.ini"),
          "[F1]\nName=N\nType=i\n[F2]\nName=Название\n[F3]\nName=Модуль\n[F4]\nName=Вид\nList=Бетон|Сталь\n"
          "[F5]\nName=Учет\nType=b\n");
    Write(QStringLiteral("bmp/Left/d.bmp"), "BM");
    app_ = std::make_unique<ApplicationContext>(root_.File(QStringLiteral("install")),
                                                root_.File(QStringLiteral("config")),
                                                root_.File(QStringLiteral("drive")), 12, prompter_);
    app_->project.projectBaseName = QStringLiteral("p");
    test::WriteBytes(app_->folders.GetWorkingFolder() + QStringLiteral("/p.d01"),
                     "1\tB25\t30000\t\r\n2\tC245\t206000\t\r\n");
    auto seams = std::make_unique<RecordingSeams>();
    seams_ = seams.get();
    app_->seams = std::move(seams);
    window_ = std::make_unique<MainWindow>(*app_);
    window_->Load();
    window_->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
  }

  void Write(const QString& relative, const char* utf8) {
    const QString path = root_.File(QStringLiteral("install/") + relative);
    QDir().mkpath(QFileInfo(path).absolutePath());
    test::WriteBytes(path, cp1251::Encode(QString::fromUtf8(utf8).replace(u'\n', QStringLiteral("\r\n"))));
  }
  void Click(const char* key) {
    CommandDispatch dispatch(*app_, {});
    dispatch.ButtonClick(app_->window.Toolbar1.Find(QString::fromLatin1(key)));
  }
  GridView* Grid() { return window_->findChild<GridView*>(QStringLiteral("fg1")); }
  QLineEdit* Text1() { return window_->findChild<QLineEdit*>(QStringLiteral("Text1")); }
  QString Cell(int r, int c) { return app_->window.fg1.Data().Cell(r, c); }
  QPoint Center(int row, int column) {
    return Grid()->visualRect(Grid()->model()->index(row - 1, column - 1)).center();
  }
  void DoubleClick(int row, int column) {
    QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, {}, Center(row, column));
    QTest::mouseDClick(Grid()->viewport(), Qt::LeftButton, {}, Center(row, column));
  }
  // A key as the keyboard sends it, text included (Shift gives the capital).
  static void Type(QWidget* target, Qt::Key key, const QString& text,
                   Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QApplication::sendEvent(target, &release);
  }
  bool PasteEnabled() {
    const Toolbar& toolbar = app_->window.Toolbar1;
    return toolbar.Button(toolbar.Find(QStringLiteral("paste"))).enabled;
  }

  test::TempFolder root_;
  test::ScriptedPrompter prompter_;
  std::unique_ptr<ApplicationContext> app_;
  RecordingSeams* seams_ = nullptr;
  std::unique_ptr<MainWindow> window_;
};

TEST_F(Commands, SavedStateFollowsTheKeys) {
  for (const char* key : {"sort", "copy", "Down", "help"}) {
    app_->project.projectSaved = true;
    Click(key);
    EXPECT_TRUE(app_->project.projectSaved) << key;
  }
  for (const char* key : {"add", "cut", "Prop"}) {
    app_->project.projectSaved = true;
    Click(key);
    EXPECT_FALSE(app_->project.projectSaved) << key;
  }
  EXPECT_TRUE(seams_->calls.contains("RunButtonsIniSection Prop"));
  seams_->calls.clear();
  Click("save");  // its own work marks the project saved
  EXPECT_FALSE(app_->project.freshStart);
  EXPECT_EQ(seams_->calls, QStringList({"SaveProject", "KeepForRecovery"}));
  EXPECT_EQ(app_->window.fg1.Rows(), 3);  // add
}

TEST_F(Commands, AFailingCommandIsToldAndLeavesTheWindowEnabled) {
  app_->project.freshStart = true;
  seams_->saveRuns = false;
  Click("save");  // a cancelled save ends early: the start-up state stays
  EXPECT_TRUE(app_->project.freshStart);
  Click("Ex");
  ASSERT_EQ(prompter_.Messages().size(), 1u);
  EXPECT_EQ(prompter_.Messages()[0].text, QStringLiteral("Расчетный модуль недоступен"));
  EXPECT_FALSE(app_->project.projectSaved);
  EXPECT_TRUE(app_->window.Toolbar1.Enabled());
  EXPECT_TRUE(app_->window.Tabs1.Enabled());
  EXPECT_TRUE(app_->window.fg1.Enabled());
  EXPECT_TRUE(app_->window.Toolbar1.Button(app_->window.Toolbar1.Find(QStringLiteral("Ex"))).enabled);
  EXPECT_FALSE(app_->window.ProgressBar1.Visible());
}

TEST_F(Commands, TheTextBoxWritesWithADecimalCommaAndMovesDown) {
  DoubleClick(1, 3);
  ASSERT_TRUE(Text1()->isVisible());
  EXPECT_EQ(Text1()->text(), "30000");
  EXPECT_TRUE(Text1()->hasSelectedText());
  QTest::keyClicks(Text1(), QStringLiteral("1.5"));
  QTest::keyClick(Text1(), Qt::Key_Return);
  EXPECT_EQ(Cell(1, 3), "1,5");
  EXPECT_FALSE(Text1()->isVisible());
  EXPECT_EQ(app_->window.fg1.Row(), 2);

  // A key typed on the grid opens the box and replaces the text with that key as typed.
  QTest::keyClick(Grid(), Qt::Key_Period);
  ASSERT_TRUE(Text1()->isVisible());
  EXPECT_EQ(Text1()->text(), ".");
  QTest::keyClick(Text1(), Qt::Key_Backspace);
  QTest::keyClick(Text1(), Qt::Key_Tab);  // empty: nothing written, the box stays
  EXPECT_TRUE(Text1()->isVisible());
  EXPECT_EQ(app_->window.fg1.Col(), 4);
  EXPECT_EQ(Cell(2, 3), "206000");
}

TEST_F(Commands, CtrlBreakAndAClickElsewhereDropTheEdit) {
  DoubleClick(1, 2);
  QTest::keyClicks(Text1(), QStringLiteral("X"));
  QTest::keyClick(Text1(), Qt::Key_Pause, Qt::ControlModifier);
  EXPECT_FALSE(Text1()->isVisible());
  EXPECT_EQ(Cell(1, 2), "B25");

  DoubleClick(1, 2);
  QTest::keyClicks(Text1(), QStringLiteral("Y"));
  const QRect other = Grid()->visualRect(Grid()->model()->index(1, 1));
  QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, {}, other.center());
  EXPECT_FALSE(Text1()->isVisible());
  EXPECT_EQ(Cell(1, 2), "B25");
}

TEST_F(Commands, TheEditableComboWritesAPickedItem) {
  DoubleClick(2, 4);
  auto* combo = window_->findChild<QComboBox*>(QStringLiteral("cmb1"));
  ASSERT_TRUE(combo->isVisible());
  ASSERT_EQ(combo->count(), 2);
  combo->setCurrentIndex(1);
  Q_EMIT combo->activated(1);
  EXPECT_EQ(Cell(2, 4), QStringLiteral("Сталь"));
  EXPECT_FALSE(combo->isVisible());
}

TEST_F(Commands, RowsTypedFromTheKeyboardKeepEveryKey) {
  Click("add");  // row 3, empty, in column 2
  app_->project.projectSaved = true;
  Type(Grid(), Qt::Key_B, QStringLiteral("B"), Qt::ShiftModifier);
  ASSERT_TRUE(Text1()->isVisible());
  QTest::keyClicks(Text1(), QStringLiteral("25"));
  QTest::keyClick(Text1(), Qt::Key_Return);
  EXPECT_EQ(Cell(3, 2), "B25");
  EXPECT_FALSE(app_->project.projectSaved);  // a keyboard edit alone is a change to save

  app_->window.fg1.SelectCell(3, 3);
  Type(Grid(), Qt::Key_A, QStringLiteral("a"));
  Type(Text1(), Qt::Key_B, QStringLiteral("b"));
  QTest::keyClick(Text1(), Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(Cell(3, 3), "ab");

  // The keypad's Enter moves down and its Delete clears, leaving the row numbers.
  app_->window.fg1.SelectCell(1, 3);
  QTest::keyClick(Grid(), Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(app_->window.fg1.Row(), 2);
  app_->window.fg1.SetSelection(2, 1, 3, 3);
  QTest::keyClick(Grid(), Qt::Key_Delete, Qt::KeypadModifier);
  EXPECT_EQ(Cell(2, 1), "2");
  EXPECT_EQ(Cell(3, 1), "3");
  EXPECT_EQ(Cell(2, 2), "");
  EXPECT_EQ(Cell(3, 3), "");
}

TEST_F(Commands, KeyboardCopyAndPasteKeepTheFocusInTheGrid) {
  window_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  Grid()->setFocus();
  ASSERT_TRUE(Grid()->hasFocus());
  app_->window.fg1.SelectCell(1, 2);
  QTest::keyClick(Grid(), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "B25");
  EXPECT_EQ(QApplication::focusWidget(), Grid());

  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
  EXPECT_EQ(app_->window.fg1.Row(), 2);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(Cell(2, 2), "B25");
  EXPECT_EQ(QApplication::focusWidget(), Grid());

  // The paste button follows the clipboard, whoever fills it.
  QGuiApplication::clipboard()->clear();
  EXPECT_FALSE(PasteEnabled());
  QGuiApplication::clipboard()->setText(QStringLiteral("from a spreadsheet"));
  EXPECT_TRUE(PasteEnabled());
}

TEST_F(Commands, ACheckCellChangesOnlyOnALeftClickReleasedOnIt) {
  QWidget* cells = Grid()->viewport();
  QTest::mouseClick(cells, Qt::RightButton, {}, Center(1, 5));
  EXPECT_EQ(Cell(1, 5), "");
  QTest::mousePress(cells, Qt::LeftButton, {}, Center(1, 5));
  QTest::mouseMove(cells, Center(2, 5));
  QTest::mouseRelease(cells, Qt::LeftButton, {}, Center(2, 5));
  EXPECT_EQ(Cell(1, 5), "");
  EXPECT_EQ(Cell(2, 5), "");

  app_->project.projectSaved = true;
  QTest::mouseClick(cells, Qt::LeftButton, {}, Center(1, 5));
  EXPECT_EQ(Cell(1, 5), kMarkedCell);
  EXPECT_FALSE(app_->project.projectSaved);
  QTest::qWait(QApplication::doubleClickInterval() + 50);
  QTest::mouseClick(cells, Qt::LeftButton, {}, Center(1, 5));
  EXPECT_EQ(Cell(1, 5), "");
}

TEST_F(Commands, SpreadsheetKeysEditUndoFindAndReplaceThroughTheGrid) {
  window_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  Grid()->setFocus();
  const auto focused = [] { return QApplication::focusWidget(); };
  const auto undoTooltip = [&] {
    const Toolbar& toolbar = app_->window.Toolbar1;
    return toolbar.Button(toolbar.Find(QStringLiteral("undo"))).tooltip;
  };
  EXPECT_EQ(undoTooltip(), QStringLiteral("Отменить (Ctrl+Z)"));

  // Escape leaves the cell as it was; F2 edits its text as it stands.
  app_->window.fg1.SelectCell(1, 2);
  Type(Grid(), Qt::Key_7, QStringLiteral("7"));
  ASSERT_TRUE(Text1()->isVisible());
  QTest::keyClick(Text1(), Qt::Key_Escape);
  EXPECT_FALSE(Text1()->isVisible());
  EXPECT_EQ(Cell(1, 2), "B25");
  EXPECT_EQ(focused(), Grid());
  QTest::keyClick(Grid(), Qt::Key_F2);
  ASSERT_TRUE(Text1()->isVisible());
  QTest::keyClicks(Text1(), QStringLiteral("-1"));
  QTest::keyClick(Text1(), Qt::Key_Return);
  EXPECT_EQ(Cell(1, 2), "B25-1");
  EXPECT_EQ(undoTooltip(), QStringLiteral("Отменить: ввод (Ctrl+Z)"));

  // Space ticks a check cell; Insert adds a row and keeps the focus in the grid.
  app_->window.fg1.SelectCell(2, 5);
  QTest::keyClick(focused(), Qt::Key_Space);
  EXPECT_EQ(Cell(2, 5), kMarkedCell);
  QTest::keyClick(focused(), Qt::Key_Insert);
  EXPECT_EQ(app_->window.fg1.Rows(), 3);
  EXPECT_EQ(focused(), Grid());
  QTest::keyClick(focused(), Qt::Key_Home, Qt::ControlModifier);
  EXPECT_EQ(app_->window.fg1.Row(), 1);
  EXPECT_EQ(app_->window.fg1.Col(), 1);
  QTest::keyClick(focused(), Qt::Key_End, Qt::ControlModifier);
  EXPECT_EQ(app_->window.fg1.Row(), 3);
  EXPECT_EQ(app_->window.fg1.Col(), 5);

  // Three steps back, in order, and one forward again.
  QTest::keyClick(focused(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(app_->window.fg1.Rows(), 2);
  QTest::keyClick(focused(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(Cell(2, 5), "");
  QTest::keyClick(focused(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(Cell(1, 2), "B25");
  EXPECT_EQ(app_->window.StatusBar1.Panel(1), QStringLiteral("Отменено: ввод"));
  QTest::keyClick(focused(), Qt::Key_Y, Qt::ControlModifier);
  EXPECT_EQ(Cell(1, 2), "B25-1");

  // The sort button's menu sorts either way.
  CommandDispatch dispatch(*app_, {});
  app_->window.fg1.SetSelection(1, 3, 2, 3);
  dispatch.MenuClick(app_->window.Toolbar1.Find(QStringLiteral("sort")), 2);
  EXPECT_EQ(Cell(1, 3), "206000");
  dispatch.MenuClick(app_->window.Toolbar1.Find(QStringLiteral("sort")), 1);
  EXPECT_EQ(Cell(1, 3), "30000");

  // Find goes from cell to cell; replace changes every matching cell as one step.
  QTest::keyClick(focused(), Qt::Key_H, Qt::ControlModifier);
  auto* dialog = window_->findChild<FindReplaceDialog*>();
  ASSERT_TRUE(dialog && dialog->isVisible());
  const QList<QLineEdit*> fields = dialog->findChildren<QLineEdit*>();
  ASSERT_EQ(fields.size(), 2);
  fields[0]->setText(QStringLiteral("c2"));
  dialog->FindNext();
  EXPECT_EQ(app_->window.fg1.Row(), 2);
  EXPECT_EQ(app_->window.fg1.Col(), 2);
  fields[0]->setText(QStringLiteral("5"));
  fields[1]->setText(QStringLiteral("0"));
  dialog->ReplaceEverywhere();
  EXPECT_EQ(Cell(1, 2), "B20-1");
  EXPECT_EQ(Cell(2, 2), "C240");
  EXPECT_EQ(app_->window.StatusBar1.Panel(1), QStringLiteral("Заменено ячеек: 2"));
  Grid()->setFocus();
  QTest::keyClick(Grid(), Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(Cell(1, 2), "B25-1");
  EXPECT_EQ(Cell(2, 2), "C245");
}

}  // namespace
}  // namespace trellis
