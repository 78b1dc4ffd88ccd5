#include "support/TestFiles.h"

#include "cad-host/DrawingCanvas.h"
#include "cad-host/DrawingCommands.h"
#include "cad-host/DrawingPanels.h"
#include "cad-host/DrawingWindow.h"
#include "cad-host/EntityFilter.h"
#include "cad-host/HostApplication.h"
#include "cad-host/HostDocument.h"
#include "cad-host/HostDocuments.h"
#include "cad-host/HostEntity.h"
#include "cad-host/HostLayers.h"
#include "cad-host/HostModelSpace.h"
#include "cad-host/HostSelectionSets.h"
#include "cad-host/ScreenPicker.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

namespace trellis::test {
namespace {

using cadhost::Point3;

// The host's window as the user works in it: real widgets driven by mouse and key events.
class CadWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    window_.Attach(host_);
    window_.resize(1000, 700);
    window_.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window_));
  }

  cadhost::HostDocument& Document() const { return *host_->ActiveDocument(); }
  cadhost::DrawingCanvas& Canvas() const { return window_.Canvas(); }
  QPoint At(const Point3& p) const { return Canvas().ToScreen(p).toPoint(); }
  void Type(const QString& line) {
    QLineEdit* input = window_.CommandLine().Input();
    for (const QChar c : line) {
      if (c.unicode() < 128) {
        QTest::keyClick(input, char(c.unicode()));
        continue;
      }
      // Cyrillic letters have no key of their own in the test library: they come as text.
      QTest::sendKeyEvent(QTest::Press, input, Qt::Key_unknown, QString(c), {});
      QTest::sendKeyEvent(QTest::Release, input, Qt::Key_unknown, QString(c), {});
    }
    QTest::keyClick(input, Qt::Key_Return);
  }
  std::vector<Point3> PathOf(const cadhost::HostEntity& entity) const {
    return entity.Shape().paths.at(0);
  }

  TempFolder folder_;
  cadhost::DrawingWindow window_;
  cadhost::ScreenPicker picker_{window_};
  std::shared_ptr<cadhost::HostApplication> host_ =
      cadhost::HostApplication::Create({picker_, window_}, folder_.Path());
};

TEST_F(CadWindow, ClientPickTakesTheWindowedLinesLessAShiftClickedOne) {
  auto& space = Document().ModelSpace();
  const auto a = space.AddLine({0, 0, 0}, {2, 0, 0});
  const auto b = space.AddLine({0, 1, 0}, {2, 1, 0});
  const auto c = space.AddLine({1, 2, 0}, {1, 10, 0});
  const auto d = space.AddLine({0, 0.5, 0}, {1, 0.5, 0});
  Canvas().ZoomExtents();
  const auto set = Document().SelectionSets().Add(QStringLiteral("picked"));

  QString promptDuringPick;
  QTimer::singleShot(0, [&] {
    QWidget* canvas = &Canvas();
    // Left to right: a window, taking a, b and d but not c, which leaves it.
    QTest::mousePress(canvas, Qt::LeftButton, {}, At({-0.5, 1.5, 0}));
    QTest::mouseMove(canvas, At({2.5, -0.5, 0}));
    QTest::mouseRelease(canvas, Qt::LeftButton, {}, At({2.5, -0.5, 0}));
    promptDuringPick = window_.Commands().Prompt();
    QTest::mouseClick(canvas, Qt::LeftButton, Qt::ShiftModifier, At({0.5, 0.5, 0}) + QPoint(0, 2));
    QTest::keyClick(canvas, Qt::Key_Return);
  });
  set->SelectOnScreen(cadhost::EntityFilter());

  EXPECT_EQ(promptDuringPick, QStringLiteral("Выберите объекты (выбрано: 3):"));
  EXPECT_EQ(set->Items(), (cadhost::EntityList{a, b}));
  EXPECT_FALSE(window_.Commands().Picking());

  // Escape ends a pick with nothing, whatever was picked before it.
  QTimer::singleShot(0, [&] {
    QTest::mouseClick(&Canvas(), Qt::LeftButton, {}, At({1, 5, 0}));
    QTest::keyClick(&Canvas(), Qt::Key_Escape);
  });
  EXPECT_TRUE(picker_.Pick({c}).empty());
}

TEST_F(CadWindow, TypedPointsDrawALineThatIsOneUndoStep) {
  Type(QStringLiteral("ОТРЕЗОК"));
  Type(QStringLiteral("0,0,0"));
  Type(QStringLiteral("@3,0,4"));
  Type(QStringLiteral("@1,1"));  // two numbers lie in the plan's working plane
  Type(QString());

  const auto& entities = Document().ModelSpace().Entities();
  ASSERT_EQ(entities.size(), 2u);
  EXPECT_EQ(entities[0]->TypeName(), QStringLiteral("LINE"));
  EXPECT_EQ(PathOf(*entities[0]), (std::vector<Point3>{{0, 0, 0}, {3, 0, 4}}));
  EXPECT_EQ(PathOf(*entities[1]), (std::vector<Point3>{{3, 0, 4}, {4, 1, 4}}));
  EXPECT_EQ(window_.Commands().Prompt(), QStringLiteral("Команда:"));

  EXPECT_EQ(Document().History().UndoName(), QStringLiteral("Отрезок"));
  window_.Commands().Undo();
  EXPECT_TRUE(Document().ModelSpace().Entities().empty());
  EXPECT_EQ(Document().History().RedoName(), QStringLiteral("Отрезок"));
  Type(QStringLiteral("REDO"));
  ASSERT_EQ(Document().ModelSpace().Entities().size(), 2u);
  EXPECT_EQ(PathOf(*Document().ModelSpace().Entities()[1]).back(), (Point3{4, 1, 4}));

  // A closed polyline and an unknown word that changes nothing.
  Type(QStringLiteral("PLINE 0,0 5,0 5,5 C"));
  ASSERT_EQ(Document().ModelSpace().Entities().size(), 3u);
  EXPECT_EQ(PathOf(*Document().ModelSpace().Entities()[2]).size(), 4u);
  Type(QStringLiteral("КРУГ"));
  EXPECT_EQ(Document().ModelSpace().Entities().size(), 3u);
  EXPECT_TRUE(window_.CommandLine().History().contains(QStringLiteral("Неизвестная команда")));

  // A segment a client erased meanwhile is taken back all the same: the line goes on from the
  // point before it.
  Type(QStringLiteral("LINE 10,0 20,0 30,0"));
  Document().ModelSpace().Entities().back()->Erase();
  Type(QStringLiteral("U"));
  Type(QStringLiteral("20,5"));
  Type(QString());
  ASSERT_EQ(Document().ModelSpace().Entities().size(), 5u);
  EXPECT_EQ(PathOf(*Document().ModelSpace().Entities().back()),
            (std::vector<Point3>{{20, 0, 0}, {20, 5, 0}}));
}

TEST_F(CadWindow, ClicksSnapToEndPointsAndMiddlesThenToTheGrid) {
  Document().ModelSpace().AddLine({0, 0, 0}, {4, 0, 0});
  Canvas().ZoomExtents();
  Canvas().snapGrid = false;
  window_.Commands().Start(cadhost::DrawingCommands::Command::Line);
  QTest::mouseClick(&Canvas(), Qt::LeftButton, {}, At({4, 0, 0}) + QPoint(4, -3));
  QTest::mouseClick(&Canvas(), Qt::LeftButton, {}, At({2, 0, 0}) + QPoint(-3, 4));
  QTest::keyClick(&Canvas(), Qt::Key_Escape);
  ASSERT_EQ(Document().ModelSpace().Entities().size(), 2u);
  EXPECT_EQ(PathOf(*Document().ModelSpace().Entities()[1]),
            (std::vector<Point3>{{4, 0, 0}, {2, 0, 0}}));

  // Far from the drawing the grid takes the click; without snaps the click is where it is.
  Canvas().snapGrid = true;
  Canvas().gridStep = 0.5;
  const auto snapped = Canvas().SnapAt(Canvas().ToScreen({1.1, 2.9, 0}));
  ASSERT_TRUE(snapped.has_value());
  EXPECT_EQ(snapped->world, (Point3{1, 3, 0}));
  Canvas().snapGrid = Canvas().snapEnds = Canvas().snapMiddles = false;
  EXPECT_FALSE(Canvas().SnapAt(Canvas().ToScreen({4, 0, 0})).has_value());
}

TEST_F(CadWindow, EditingCommandsWorkOnTheSelectionAsOneStepEach) {
  auto& space = Document().ModelSpace();
  const auto a = space.AddLine({0, 0, 0}, {1, 0, 0});
  const auto b = space.AddLine({0, 2, 0}, {1, 2, 0});
  const auto locked = Document().Layers().Add(QStringLiteral("Locked"));
  Document().Variables().Set(QStringLiteral("CLAYER"), QStringLiteral("Locked"));
  const auto c = space.AddLine({0, 1, 0}, {1, 1, 0});
  locked->SetLocked(true);
  Document().Variables().Set(QStringLiteral("CLAYER"), QStringLiteral("0"));
  Canvas().ZoomExtents();
  auto& commands = window_.Commands();

  // Right to left: a crossing takes what it touches, but nothing on a locked layer.
  QTest::mousePress(&Canvas(), Qt::LeftButton, {}, At({0.6, 2.5, 0}));
  QTest::mouseRelease(&Canvas(), Qt::LeftButton, {}, At({0.4, -0.5, 0}));
  EXPECT_EQ(commands.Selection(), (cadhost::EntityList{a, b}));
  QTest::keyClick(&Canvas(), Qt::Key_Escape);
  EXPECT_TRUE(commands.Selection().empty());

  // Copy asks for objects, then a base point and as many second points as wanted.
  Type(QStringLiteral("COPY"));
  QTest::mouseClick(&Canvas(), Qt::LeftButton, {}, At({0.5, 0, 0}));
  Type(QString());
  Type(QStringLiteral("0,0"));
  Type(QStringLiteral("@0,5"));
  Type(QStringLiteral("@0,5"));
  Type(QString());
  ASSERT_EQ(space.Entities().size(), 5u);
  EXPECT_EQ(PathOf(*space.Entities()[4]).front(), (Point3{0, 10, 0}));
  EXPECT_EQ(Document().History().UndoName(), QStringLiteral("Копировать"));

  // With objects selected Move takes them at once; Delete erases the selection.
  commands.Select({b});
  Type(QStringLiteral("П"));
  Type(QStringLiteral("1,2,0"));
  Type(QStringLiteral("1,2,3"));
  EXPECT_EQ(PathOf(*b), (std::vector<Point3>{{0, 2, 3}, {1, 2, 3}}));
  commands.Select({a, b});
  QTest::keyClick(&Canvas(), Qt::Key_Delete);
  EXPECT_TRUE(a->Erased() && b->Erased());
  EXPECT_FALSE(c->Erased());
  commands.Undo();
  EXPECT_FALSE(a->Erased() || b->Erased());
  commands.Undo();
  EXPECT_EQ(PathOf(*b).front(), (Point3{0, 2, 0}));
}

TEST_F(CadWindow, AFailedOpenIsToldAndKeepsTheDrawing) {
  Document().ModelSpace().AddLine({0, 0, 0}, {1, 1, 0});
  const auto before = host_->ActiveDocument();
  const QString bad = folder_.File(QStringLiteral("broken.dxf"));
  WriteBytes(bad, "0\nSECTION\n2\nENTITIES\n0\nLINE\n10\nabc\n");
  QString told;
  QTimer::singleShot(0, [&] {
    QWidget* box = QApplication::activeModalWidget();
    ASSERT_NE(box, nullptr);
    told = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))->text();
    box->close();
  });
  EXPECT_FALSE(window_.OpenFile(bad));
  EXPECT_TRUE(told.contains(QStringLiteral("broken.dxf"))) << told.toStdString();
  EXPECT_EQ(host_->ActiveDocument(), before);
  EXPECT_EQ(Canvas().Document(), before);
  EXPECT_EQ(before->ModelSpace().Entities().size(), 1u);
  EXPECT_TRUE(QTest::qWaitFor(
      [&] { return window_.windowTitle() == QStringLiteral("Trellis CAD - [Drawing1.dxf]*"); }))
      << window_.windowTitle().toStdString();
}

TEST_F(CadWindow, ClosingAsksAboutAChangedDrawingAClientPutBehindAnother) {
  host_->Set(QStringLiteral("Visible"), true);  // as a client or the user leaves it
  Document().ModelSpace().AddLine({0, 0, 0}, {1, 1, 0});
  const auto changed = host_->ActiveDocument();
  host_->Documents().Add();
  QString asked;
  QTimer::singleShot(0, [&] {
    QWidget* box = QApplication::activeModalWidget();
    ASSERT_NE(box, nullptr);
    asked = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))->text();
    box->close();  // Cancel
  });
  window_.close();
  EXPECT_TRUE(asked.contains(QStringLiteral("Drawing1.dxf"))) << asked.toStdString();
  EXPECT_TRUE(window_.isVisible());
  EXPECT_EQ(Canvas().Document(), changed);
}

TEST_F(CadWindow, TheLayerListFollowsTheUndoOfAFrozenLayersSwitch) {
  Document().Layers().Add(QStringLiteral("Frozen"))->SetFrozen(true);
  auto* list = window_.findChild<cadhost::LayerPanel*>()->findChild<QTreeWidget*>();
  constexpr int kOn = 2;
  const auto row = [list] {
    return list->findItems(QStringLiteral("Frozen"), Qt::MatchExactly, 1).value(0);
  };
  ASSERT_TRUE(QTest::qWaitFor([&] { return row() != nullptr; }));
  row()->setCheckState(kOn, Qt::Unchecked);
  EXPECT_FALSE(Document().Layers().Find(QStringLiteral("Frozen"))->On());
  window_.Commands().Undo();
  EXPECT_TRUE(Document().Layers().Find(QStringLiteral("Frozen"))->On());
  EXPECT_TRUE(QTest::qWaitFor([&] { return row() && row()->checkState(kOn) == Qt::Checked; }));
}

TEST(TypedPoints, AreReadAsCadProgramsWriteThem) {
  const auto absolute = cadhost::ParseTypedPoint(QStringLiteral("1.5, -2,3e1"));
  ASSERT_TRUE(absolute);
  EXPECT_FALSE(absolute->relative);
  EXPECT_FALSE(absolute->planar);
  EXPECT_EQ(absolute->values, (Point3{1.5, -2, 30}));
  const auto relative = cadhost::ParseTypedPoint(QStringLiteral("@-1,2"));
  ASSERT_TRUE(relative);
  EXPECT_TRUE(relative->relative && relative->planar);
  const auto polar = cadhost::ParseTypedPoint(QStringLiteral("@2<90"));
  ASSERT_TRUE(polar);
  EXPECT_NEAR(polar->values[0], 0, 1e-12);
  EXPECT_NEAR(polar->values[1], 2, 1e-12);
  EXPECT_TRUE(cadhost::ParseTypedPoint(QStringLiteral("@"))->relative);
  for (const char* bad : {"1,2,3,4", "1", "1;2", "1,2,x", "1,5,2.5.1", "", "@1<", "inf,0", "@inf<0", "@1<nan"}) {
    EXPECT_FALSE(cadhost::ParseTypedPoint(QString::fromLatin1(bad))) << bad;
  }
}

TEST(CadConvert, WritesAGoodDrawingAndRefusesAMissingOne) {
  TempFolder folder;
  cadhost::NoWindow view;
  struct : cadhost::Picker {
    cadhost::EntityList Pick(const cadhost::EntityList&) override { return {}; }
  } picker;
  const auto host = cadhost::HostApplication::Create({picker, view}, folder.Path());
  host->ActiveDocument()->ModelSpace().AddLine({0, 0, 0}, {1, 2, 3});
  host->ActiveDocument()->SaveAs(folder.File(QStringLiteral("in.dxf")));

  QProcess convert;
  convert.start(QStringLiteral(TRELLIS_CAD_HOST),
                {QStringLiteral("--convert"), folder.File(QStringLiteral("in.dxf")),
                 folder.File(QStringLiteral("out.dxf"))});
  ASSERT_TRUE(convert.waitForFinished(60000));
  EXPECT_EQ(convert.exitCode(), 0) << convert.readAllStandardError().toStdString();
  EXPECT_TRUE(ReadBytes(folder.File(QStringLiteral("out.dxf"))).contains("LINE"));

  convert.start(QStringLiteral(TRELLIS_CAD_HOST),
                {QStringLiteral("--convert"), folder.File(QStringLiteral("missing.dxf")),
                 folder.File(QStringLiteral("out2.dxf"))});
  ASSERT_TRUE(convert.waitForFinished(60000));
  EXPECT_EQ(convert.exitCode(), 1);
  EXPECT_TRUE(convert.readAllStandardError().contains("missing.dxf"));
  EXPECT_FALSE(QFileInfo::exists(folder.File(QStringLiteral("out2.dxf"))));
}

}  // namespace
}  // namespace trellis::test
