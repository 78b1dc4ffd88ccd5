#include "app/AppIdentity.h"
#include "support/ScriptedPrompter.h"
#include "support/TestFiles.h"
#include "automation/InProcessActivator.h"
#include "cad/CadConnection.h"
#include "cad/WindowSwitcher.h"
#include "ui/ApplicationContext.h"
#include "ui/CadTableLink.h"
#include "ui/GridTableModel.h"
#include "ui/MainWindow.h"
#include "ui/MainWindowObject.h"
#include "ui/ProgramServices.h"
#include "app/TextCodec.h"

#include <QAbstractItemModelTester>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QTableView>
#include <QScreen>
#include <QTabBar>
#include <QTableWidget>
#include <QTest>
#include <QTextBrowser>
#include <QToolBar>
#include <QToolButton>

#include <gtest/gtest.h>

namespace trellis {
namespace {

// An installation of two model tables with a help page, and a fresh user.
class MainWindowTest : public ::testing::Test {
 protected:
  MainWindowTest() {
    Write(QStringLiteral("Tables.ini"),
          "[Main]\nTables=Mat|Loads\n[Ext]\nExtBmp=d\nExtName=Модель\nPost=0\n"
          "[Mat]\nExt=d01\nName=Материалы\nHelp=Mat\n[Loads]\nExt=d04\nName=Нагрузки\n");
    Write(QStringLiteral("Mat.ini"), "[F1]\nName=N\nType=i\n[F2]\nName=Модуль\nMeasure=МПа\n");
    Write(QStringLiteral("Loads.ini"), "[F1]\nName=N\nType=i\n[F2]\nName=Вид\nType=b\n");
    Write(QStringLiteral("bmp/Left/d.bmp"), "BM");
    Write(QStringLiteral("Help/Mat.htm"), "<html><body>Материалы</body></html>");
  }

  void Write(const QString& relative, const char* utf8) {
    const QString path = root_.File(QStringLiteral("install/") + relative);
    QDir().mkpath(QFileInfo(path).absolutePath());
    test::WriteBytes(path, cp1251::Encode(QString::fromUtf8(utf8).replace(u'\n', QStringLiteral("\r\n"))));
  }

  // The program's own services over a CAD link that finds no drawing host.
  struct Program {
    Program(const QString& installation, const QString& config, const QString& drive, Prompter& prompter)
        : app(installation, config, drive, 11, prompter),
          cad(CadServices{activator, app.settings, prompter, windows, installation, QString()}),
          link(app, cad, activator) {
      app.seams = std::make_unique<ProgramServices>(app, link);
    }
    ApplicationContext app;
    InProcessActivator activator;
    NoWindowSwitcher windows;
    CadConnection cad;
    CadTableLink link;
  };

  std::unique_ptr<Program> NewProgram() {
    return std::make_unique<Program>(root_.File(QStringLiteral("install")), root_.File(QStringLiteral("config")),
                                     root_.File(QStringLiteral("drive")), prompter_);
  }

  static QToolButton* ButtonOf(MainWindow& window, const char* key) {
    for (QToolBar* bar : window.findChildren<QToolBar*>()) {
      for (QAction* action : bar->actions()) {
        if (action->objectName() == QLatin1String(key)) return qobject_cast<QToolButton*>(bar->widgetForAction(action));
      }
    }
    return nullptr;
  }

  test::TempFolder root_;
  test::ScriptedPrompter prompter_;
};

TEST_F(MainWindowTest, FirstStartShowsTheFirstTableAndItsHelp) {
  auto program = NewProgram();
  ApplicationContext* app = &program->app;
  MainWindow window(*app);
  window.resize(600, 450);  // narrower than the test screen, so that it can be centred
  window.Load();
  const Toolbar& toolbar = app->window.Toolbar1;
  EXPECT_TRUE(toolbar.Button(toolbar.Find(QStringLiteral("Down"))).pressed);
  for (const MenuItem& item : toolbar.Button(toolbar.Find(QStringLiteral("open"))).menu) EXPECT_FALSE(item.visible);
  EXPECT_EQ(app->tables.currentTableKey, "Mat");
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Trellis - [Материалы]"));
  EXPECT_TRUE(window.findChild<QTextBrowser*>(QStringLiteral("rtbHelp"))->source().toLocalFile().endsWith(
      QStringLiteral("Help/Mat.htm")));
  const QRect screen = window.screen()->availableGeometry();
  EXPECT_EQ(window.frameGeometry().top(), screen.top());
  EXPECT_EQ(window.frameGeometry().left(), screen.left() + (screen.width() - window.frameGeometry().width()) / 2);
  EXPECT_EQ(app->settings.GetSetting(ProgramTitle(), u"main", u"AppPath"), app->installationFolder);
  EXPECT_TRUE(prompter_.Messages().empty());
}

TEST_F(MainWindowTest, BigButtonsSpanTheScreenWidth) {
  auto program = NewProgram();
  ApplicationContext* app = &program->app;
  app->settings.SaveSetting(ProgramTitle(), u"View", u"BigBut", u"1");
  app->settings.SaveSetting(ProgramTitle(), u"open", u"f2", u"/p/Проект.d01");
  MainWindow window(*app);
  window.Load();
  const QRect screen = window.screen()->availableGeometry();
  EXPECT_EQ(window.frameGeometry().topLeft(), screen.topLeft());
  EXPECT_EQ(window.frameGeometry().width(), screen.width());
  EXPECT_EQ(window.frameGeometry().height(), qRound(7800 * window.logicalDpiY() / 1440.0));
  const MenuItem& recent = app->window.Toolbar1.Button(2).menu[1];
  EXPECT_TRUE(recent.visible);
  EXPECT_EQ(recent.text, QStringLiteral("/p/Проект.d01"));
}

TEST_F(MainWindowTest, ClosingKeepsTheLowerPanesStateAndRemovesTheWorkingFolder) {
  auto program = NewProgram();
  ApplicationContext* app = &program->app;
  {
    MainWindow window(*app);
    window.Load();
    QToolButton* down = ButtonOf(window, "Down");
    ASSERT_NE(down, nullptr);
    QTest::mouseClick(down, Qt::LeftButton);
    EXPECT_FALSE(app->window.Toolbar1.Button(app->window.Toolbar1.Find(QStringLiteral("Down"))).pressed);
    // The DXF folder lies inside the working folder, which can go only after it.
    const QString working = app->folders.GetWorkingFolder();
    test::WriteBytes(app->folders.GetDxfFolder() + "/1.dxf", "0\r\nEOF\r\n");
    EXPECT_TRUE(window.close());
    EXPECT_FALSE(QFileInfo::exists(working));
  }
  EXPECT_EQ(app->settings.GetSetting(ProgramTitle(), u"main", u"down"), "0");

  auto nextProgram = NewProgram();
  ApplicationContext* next = &nextProgram->app;
  MainWindow again(*next);
  again.Load();
  EXPECT_FALSE(next->window.Toolbar1.Button(next->window.Toolbar1.Find(QStringLiteral("Down"))).pressed);
  EXPECT_TRUE(again.findChild<QTextBrowser*>(QStringLiteral("rtbHelp"))->source().isEmpty() ||
              again.findChild<QTextBrowser*>(QStringLiteral("rtbHelp"))->source().toString() == "about:blank");
}

TEST_F(MainWindowTest, TheWindowComesBackAsItWasAndItsColumnsFollowItsWidth) {
  Write(QStringLiteral("Mat.ini"), "[F1]\nName=N\nType=i\nw=3000\n[F2]\nName=Модуль\nMeasure=МПа\nw=9000\n");
  auto program = NewProgram();
  ApplicationContext* app = &program->app;
  const Grid& grid = app->window.fg1;
  QRect placed;
  int lowerAfterDrag = 0;
  {
    MainWindow window(*app);
    window.resize(500, 450);
    window.Load();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    ASSERT_LT(grid.ColumnWidth(2), 9000);  // fitted into the narrow window
    window.resize(1200, 700);
    EXPECT_EQ(grid.ColumnWidth(2), 9000);  // and given its width back when there is room

    // A column the user widens keeps its width when the window narrows again.
    auto* view = window.findChild<QTableView*>(QStringLiteral("fg1"));
    view->horizontalHeader()->resizeSection(0, 150);
    const int widened = grid.ColumnWidth(1);
    window.resize(500, 450);
    EXPECT_EQ(grid.ColumnWidth(1), widened);
    EXPECT_LT(grid.ColumnWidth(2), 9000);

    // The border above the lower panes moves with the pointer.
    QWidget* border = window.findChild<QWidget*>(QStringLiteral("paneBorder"));
    QWidget* lowerTabs = window.findChild<QWidget*>(QStringLiteral("Tabs2"));
    ASSERT_TRUE(border && border->isVisible());
    const int lowerTop = lowerTabs->y();
    QTest::mousePress(border, Qt::LeftButton, {}, QPoint(10, 1));
    QTest::mouseMove(border, QPoint(10, -60));
    QTest::mouseRelease(border, Qt::LeftButton, {}, QPoint(10, -60));
    EXPECT_LT(lowerTabs->y(), lowerTop - 40);
    lowerAfterDrag = lowerTabs->y();
    window.move(40, 30);
    placed = window.geometry();
    EXPECT_TRUE(window.close());
  }
  auto nextProgram = NewProgram();
  MainWindow again(nextProgram->app);
  again.Load();
  EXPECT_EQ(again.size(), placed.size());
  EXPECT_EQ(again.findChild<QWidget*>(QStringLiteral("Tabs2"))->y(), lowerAfterDrag);
}

// The toolbar's project commands and the close prompt reach the project operations.
TEST_F(MainWindowTest, ProjectCommandsAndTheClosePromptAreWiredIn) {
  Write(QStringLiteral("Template/tr2/Materials.d01"), "1\t30000\n");
  auto program = NewProgram();
  ApplicationContext* app = &program->app;
  MainWindow window(*app);
  window.Load();
  app->seams->CreateStartupProject();
  EXPECT_EQ(window.windowTitle(), "Trellis - [Новый проект] - [Материалы]");

  const QString x = root_.File(QStringLiteral("X"));
  QDir().mkpath(x);
  prompter_.QueueFile(x + "/M.d01");
  QTest::mouseClick(ButtonOf(window, "save"), Qt::LeftButton);
  EXPECT_TRUE(test::ReadBytes(x + "/M.d01").startsWith("1\t30000"));
  EXPECT_EQ(window.windowTitle(), "Trellis - [M] - [Материалы]");
  EXPECT_TRUE(app->project.projectSaved);

  // A keyboard edit right after the save: closing asks, and Cancel leaves everything as it was.
  app->window.fg1.SelectCell(1, 2);
  QTest::keyClick(window.findChild<QWidget*>(QStringLiteral("fg1")), Qt::Key_7);
  QTest::keyClick(window.findChild<QWidget*>(QStringLiteral("Text1")), Qt::Key_Return);
  EXPECT_FALSE(app->project.projectSaved);
  app->settings.SaveSetting(ProgramTitle(), u"main", u"down", u"7");
  QTest::mouseClick(ButtonOf(window, "Down"), Qt::LeftButton);
  prompter_.QueueAnswer(MessageAnswer::Cancel);
  EXPECT_FALSE(window.close());
  EXPECT_EQ(prompter_.Messages().back().text, "Сохранить изменения в проект \"M\"?");
  EXPECT_EQ(app->settings.GetSetting(ProgramTitle(), u"main", u"down"), "7");
  EXPECT_TRUE(QFileInfo::exists(app->folders.GetWorkingFolder() + "/M.d01"));

  window.OpenRecentProject(root_.File(QStringLiteral("gone/Q.d01")));
  EXPECT_EQ(window.windowTitle(), "Trellis - [Q] - [Материалы]");
  prompter_.QueueAnswer(MessageAnswer::No);
  EXPECT_TRUE(window.close());
}

TEST_F(MainWindowTest, AFailingLoadIsToldAndTheWindowStillComesUp) {
  Write(QStringLiteral("Template/tr/VB.vbp"), "Type=Exe");
  auto program = NewProgram();
  ApplicationContext* app = &program->app;
  // The template's copy cannot replace a folder of its name.
  QDir().mkpath(app->folders.GetWorkingFolder() + "/.vbp/x");
  MainWindow window(*app);
  window.Load();
  ASSERT_EQ(prompter_.Messages().size(), 1u);
  EXPECT_TRUE(prompter_.Messages()[0].text.startsWith("Ошибка загрузки ")) << prompter_.Messages()[0].text.toStdString();
  EXPECT_EQ(prompter_.Messages()[0].text, "Ошибка загрузки Ошибка доступа к пути или файлу");
  app->seams->CreateStartupProject();
  window.show();
  EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
  EXPECT_TRUE(window.windowTitle().startsWith("Trellis - [Новый проект]"));
}

TEST_F(MainWindowTest, TheLeftToolbarHasItsMacroButtonsWithoutATableCatalogue) {
  QFile::remove(root_.File(QStringLiteral("install/Tables.ini")));
  Write(QStringLiteral("ToolLeft.ini"), "[B1]\nName=Схема\nBmp=scheme\nMacros=Trellis.Scheme;Build\n");
  Write(QStringLiteral("bmp/Left/scheme.bmp"), "BM");
  auto program = NewProgram();
  MainWindow window(program->app);
  window.Load();
  const Toolbar& left = program->app.window.ToolbarLeft1;
  ASSERT_GE(left.Count(), 1);
  EXPECT_EQ(left.Button(left.Count()).tooltip, QStringLiteral("Схема"));
}

TEST_F(MainWindowTest, AnErrorLineOpensItsTableAtTheCell) {
  auto program = NewProgram();
  ApplicationContext* app = &program->app;
  MainWindow window(*app);
  window.Load();
  app->window.fg2.Add(ErrorEntry{QStringLiteral("Нет материала"), "2", QStringLiteral("Нагрузки"), "1", "2", QString()});
  auto* errors = window.findChild<QTableWidget*>(QStringLiteral("fg2"));
  errors->show();
  Q_EMIT errors->cellClicked(0, 0);
  EXPECT_EQ(app->tables.currentTableKey, "Loads");
  EXPECT_EQ(app->window.fg1.Row(), 1);
  EXPECT_EQ(app->window.fg1.Col(), 2);

  QTest::mouseClick(window.findChild<QTabBar*>(QStringLiteral("Tabs1")), Qt::LeftButton, {},
                    window.findChild<QTabBar*>(QStringLiteral("Tabs1"))->tabRect(0).center());
  EXPECT_EQ(app->tables.currentTableKey, "Mat");
}

TEST_F(MainWindowTest, AMacroFillsTheErrorListAndItsLinesOpenTablesOfAnyGroup) {
  Write(QStringLiteral("Tables.ini"),
        "[Main]\nTables=Mat|Loads|Nodes\n[Ext]\nExtBmp=d|g\nExtName=Модель|Геометрия\nPost=0|0\n"
        "[Mat]\nExt=d01\nName=Материалы\n[Loads]\nExt=d04\nName=Нагрузки\n[Nodes]\nExt=g01\nName=Узлы\n");
  Write(QStringLiteral("Nodes.ini"), "[F1]\nName=N\nType=i\n[F2]\nName=X\n");
  Write(QStringLiteral("bmp/Left/g.bmp"), "BM");
  auto program = NewProgram();
  ApplicationContext* app = &program->app;
  MainWindow window(*app);
  window.Load();
  MainWindowObject macroView(&window, *app, program->link);
  Call(macroView, QStringLiteral("AddError"), {QStringLiteral("Узел 3 ни с чем не связан"), QStringLiteral("Nodes"), 2, 1});
  Call(macroView, QStringLiteral("ShowErrors"));
  EXPECT_EQ(app->window.lowerPanes.Shown(), "Err");
  const ErrorEntry entry = app->window.fg2.Entries().at(0);
  EXPECT_EQ(QStringList({entry.tabNumber, entry.table, entry.row, entry.column}),
            QStringList({"1", QStringLiteral("Узлы"), "2", "1"}));  // the first tab of its group

  const QString file = app->folders.GetWorkingFolder() + QStringLiteral("/") + app->project.projectBaseName +
                       QStringLiteral(".g01");
  test::WriteBytes(file, "1\t0\r\n2\t6\r\n");
  auto* errors = window.findChild<QTableWidget*>(QStringLiteral("fg2"));
  Q_EMIT errors->cellClicked(0, 0);
  EXPECT_EQ(app->tables.currentTableKey, "Nodes");
  EXPECT_TRUE(app->window.ToolbarLeft1.Button(2).pressed);
  EXPECT_EQ(app->window.fg1.Row(), 2);

  // A macro rewrote the shown table: it is read again, not saved over.
  test::WriteBytes(file, "1\t0\r\n2\t6\r\n3\t12\r\n");
  Call(macroView, QStringLiteral("TablesChanged"));
  EXPECT_EQ(app->window.fg1.Data().Cell(3, 2), QStringLiteral("12"));
  EXPECT_EQ(test::ReadBytes(file), QByteArray("1\t0\r\n2\t6\r\n3\t12\r\n"));
}

TEST_F(MainWindowTest, TheGridModelKeepsItsContract) {
  auto program = NewProgram();
  ApplicationContext* app = &program->app;
  MainWindow window(*app);
  window.Load();
  GridTableModel model(app->window.fg1);
  QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
  EXPECT_EQ(model.columnCount(), 2);
  EXPECT_EQ(model.headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("Модуль, МПа "));
  app->window.fg1.Data().Reset(3, 2);
  app->window.fg1.Data().SetCell(2, 2, u"210000");
  app->window.fg1.NotifyReset();
  EXPECT_EQ(model.rowCount(), 3);
  EXPECT_EQ(model.data(model.index(1, 1), Qt::DisplayRole).toString(), "210000");
}

}  // namespace
}  // namespace trellis
