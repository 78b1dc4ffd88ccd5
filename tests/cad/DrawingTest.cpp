#include "BusTestSupport.h"
#include "ScriptedPicker.h"
#include "support/TestFiles.h"

#include "automation/Dispatch.h"
#include "cad-host/EntityFilter.h"
#include "cad-host/HostApplication.h"
#include "cad-host/HostDocument.h"
#include "cad-host/HostDocuments.h"
#include "cad-host/HostEntity.h"
#include "cad-host/HostGroups.h"
#include "cad-host/HostLayers.h"
#include "cad-host/HostModelSpace.h"
#include "cad-host/HostSelectionSets.h"

#include <QProcess>

#include <gtest/gtest.h>

namespace trellis::test {
namespace {

using cadhost::PickSession;
using cadhost::Point3;
using cadhost::Projection;

// A drawing in the host's model: picks answered by gestures, files in a temporary folder.
class Drawing : public ::testing::Test {
 protected:
  cadhost::HostDocument& Document() { return *host_->ActiveDocument(); }
  cadhost::HostModelSpace& Space() { return Document().ModelSpace(); }
  QString Line(Point3 a, Point3 b, const QString& layer = QStringLiteral("0")) {
    Document().Layers().Add(layer);
    const auto line = Space().AddLine(a, b);
    line->SetLayer(layer);
    return line->Handle();
  }
  QStringList Picked(const cadhost::EntityFilter& filter = {}) {
    auto set = Document().SelectionSets().Add(QStringLiteral("S%1").arg(++sets_));
    set->SelectOnScreen(filter);
    QStringList handles;
    for (const auto& entity : set->Items()) handles << entity->Handle();
    return handles;
  }
  static QPointF At(double x, double y) { return ScriptedPicker::OnScreen(x, y); }
  // Python with ezdxf on what the drawing wrote; its standard output.
  QString Ezdxf(const QString& script) {
    QProcess python;
    // Debian's own Python, where python3-ezdxf is installed.
    python.start(QStringLiteral("/usr/bin/python3"), {QStringLiteral("-c"), script});
    python.waitForFinished(60000);
    EXPECT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
    return QString::fromUtf8(python.readAllStandardOutput()).trimmed();
  }

  ScriptedPicker picker_;
  cadhost::NoWindow view_;
  TempFolder folder_;
  std::shared_ptr<cadhost::HostApplication> host_ =
      cadhost::HostApplication::Create({picker_, view_}, folder_.Path());
  int sets_ = 0;
};

TEST_F(Drawing, WindowTakesWhatIsInsideCrossingWhatItTouchesShiftRemovesEscapeTakesNothing) {
  const QString inside = Line({1, 1, 0}, {2, 2, 0});
  Line({1, 1, 0}, {9, 1, 0});  // across the rectangle's edge
  Line({8, 8, 0}, {9, 9, 0});  // away from it
  // Left to right: only the line wholly inside the window.
  picker_.QueueGestures([](PickSession& s, const Projection& p) {
    s.Rectangle(p, At(0, 3), At(3, 0), false);
    s.Finish();
  });
  EXPECT_EQ(Picked(), QStringList{inside});
  // Right to left: both lines the rectangle touches; Shift+click then takes one back.
  picker_.QueueGestures([](PickSession& s, const Projection& p) {
    s.Rectangle(p, At(3, 0), At(0, 3), false);
    EXPECT_EQ(s.Click(p, At(5, 1) + QPointF(0, 3), 5, true), 1);
    EXPECT_EQ(s.Click(p, At(5, 5), 5, false), 0);  // nothing near
    s.Finish();
  });
  EXPECT_EQ(Picked(), QStringList{inside});
  picker_.QueueGestures([](PickSession& s, const Projection& p) {
    s.Click(p, At(8.5, 8.5), 5, false);
    s.Cancel();  // Escape
  });
  EXPECT_TRUE(Picked().isEmpty());
}

TEST_F(Drawing, FiltersAndLayersDecideWhatCanBePicked) {
  const QString line = Line({0, 0, 0}, {1, 0, 0}, QStringLiteral("Beams"));
  const QString column = Line({0, 0, 0}, {0, 0, 3}, QStringLiteral("Columns"));
  const QString point = Space().AddPoint({5, 5, 0})->Handle();
  Line({0, 0, 0}, {1, 0, 0}, QStringLiteral("Hidden"));
  Line({0, 0, 0}, {1, 0, 0}, QStringLiteral("Locked"));
  Document().Layers().Find(QStringLiteral("Hidden"))->SetFrozen(true);
  Document().Layers().Find(QStringLiteral("Locked"))->SetLocked(true);
  const auto everything = [](PickSession& s, const Projection& p) {
    s.Rectangle(p, At(100, -100), At(-100, 100), false);
    s.Finish();
  };
  picker_.QueueGestures(everything);
  EXPECT_EQ(Picked(cadhost::EntityFilter({0}, {QStringLiteral("LINE")}, QStringLiteral("F"))),
            (QStringList{line, column}));
  picker_.QueueGestures(everything);
  EXPECT_EQ(Picked(cadhost::EntityFilter({0, 8}, {QStringLiteral("LINE|POINT"), QStringLiteral("beams,0")},
                                         QStringLiteral("F"))),
            (QStringList{line, point}));
  EXPECT_EQ(picker_.Offered().back(), (QStringList{line, point}));
}

TEST_F(Drawing, MarksFollowTheHostsSenseOfHighlight) {
  for (const char* progId : {"AutoCAD.Application", "ZWCAD.Application"}) {
    const auto host = cadhost::HostApplication::Create({picker_, view_}, folder_.Path(),
                                                       QLatin1String(progId));
    const auto group = host->ActiveDocument()->Groups().Add(QStringLiteral("G"));
    EXPECT_FALSE(group->marked) << progId;
    const bool autoCad = host->InvertsHighlight();
    QVariantList show{!autoCad};  // the program's "show the row" value in each mode
    group->Invoke(QStringLiteral("Highlight"), show);
    EXPECT_TRUE(group->marked) << progId;
    QVariantList reset{autoCad};
    group->Invoke(QStringLiteral("Highlight"), reset);
    EXPECT_FALSE(group->marked) << progId;
  }
}

TEST_F(Drawing, UndoTakesBackAUserCommandOrTheProgramsChangesAsOneStep) {
  cadhost::DrawingHistory& history = Document().History();
  history.Begin(QStringLiteral("Отрезок"));
  const QString a = Line({0, 0, 0}, {1, 0, 0});
  const QString b = Line({1, 0, 0}, {1, 1, 0});
  history.End();
  // The program binds A: a group made, the object copied and erased, the copy appended.
  const auto group = Document().Groups().Add(QStringLiteral("KS_FEM_L_001"));
  const auto original = Space().Entities().front();
  const auto copy = Space().AddLine({0, 0, 0}, {1, 0, 0});
  original->Erase();
  group->Append({copy});
  EXPECT_EQ(history.UndoName(), cadhost::DrawingHistory::ProgramStepName());

  history.Undo();
  EXPECT_EQ(Document().Groups().Find(QStringLiteral("KS_FEM_L_001")), nullptr);
  ASSERT_EQ(Space().Entities().size(), 2u);
  EXPECT_EQ(Space().Entities()[0]->Handle(), a);
  EXPECT_FALSE(Space().Entities()[0]->Erased());
  EXPECT_EQ(history.UndoName(), QStringLiteral("Отрезок"));
  history.Undo();
  EXPECT_TRUE(Space().Entities().empty());
  history.Redo();
  history.Redo();
  EXPECT_EQ(Document().Groups().Find(QStringLiteral("KS_FEM_L_001"))->Items().front(), copy);
  EXPECT_EQ(Space().Entities().size(), 2u);
  EXPECT_EQ(Space().Entities()[0]->Handle(), b);

  // A move changes only the coordinates of the kept record.
  history.Begin(QStringLiteral("Перенести"));
  copy->Translate({0, 0, 2.5});
  history.End();
  EXPECT_EQ(copy->Shape().paths.front().front(), (Point3{0, 0, 2.5}));
  history.Undo();
  EXPECT_EQ(copy->Shape().paths.front().back(), (Point3{1, 0, 0}));
}

TEST_F(Drawing, SavedDrawingsKeepTheirGroupsForOtherProgramsAndOpenAgain) {
  const QString a = Line({0, 0, 0}, {0, 0, 3.5}, QStringLiteral("Колонны"));
  const QString b = Line({0, 0, 3.5}, {6, 0, 3.5});
  const auto group = Document().Groups().Add(QStringLiteral("KS_FEM_L_001"));
  group->Append({Space().Entities()[0], Space().Entities()[1]});
  Document().Layers().Find(QStringLiteral("Колонны"))->SetColor(3);
  const QString path = folder_.File(QStringLiteral("Рама.dxf"));
  Document().SaveAs(path);
  EXPECT_EQ(Document().Name(), QStringLiteral("Рама.dxf"));
  EXPECT_EQ(host_->Caption(), QStringLiteral("Trellis CAD - [Рама.dxf]"));

  const QString seen = Ezdxf(QStringLiteral(
      "import ezdxf\n"
      "d = ezdxf.readfile('%1')\n"
      "g = d.groups.get('KS_FEM_L_001')\n"
      "print(sorted(e.dxf.handle for e in g))\n"
      "print(d.layers.get('Колонны').color)\n"
      "print([ (e.dxftype(), e.dxf.layer, tuple(e.dxf.end)) for e in d.modelspace()])\n"
      "print(len(d.audit().errors))").arg(path));
  QStringList handles{a, b};
  handles.sort();
  EXPECT_EQ(seen.section(u'\n', 0, 0), QStringLiteral("['%1', '%2']").arg(handles[0], handles[1]));
  EXPECT_EQ(seen.section(u'\n', 1, 1), QStringLiteral("3"));
  EXPECT_EQ(seen.section(u'\n', 2, 2),
            QStringLiteral("[('LINE', 'Колонны', (0.0, 0.0, 3.5)), ('LINE', '0', (6.0, 0.0, 3.5))]"));
  EXPECT_EQ(seen.section(u'\n', 3, 3), QStringLiteral("0"));

  const auto reopened = host_->Documents().Open(path);
  EXPECT_EQ(host_->ActiveDocument(), reopened);
  const auto again = reopened->Groups().Find(QStringLiteral("ks_fem_l_001"));
  ASSERT_NE(again, nullptr);
  ASSERT_EQ(again->Items().size(), 2u);
  EXPECT_EQ(again->Items()[0]->Handle(), a);
  EXPECT_EQ(reopened->Layers().Find(QStringLiteral("Колонны"))->Color(), 3);
  EXPECT_FALSE(reopened->Modified());
  // Handles go on from the file's: a new object does not take one in use.
  EXPECT_NE(reopened->ModelSpace().AddLine({0, 0, 0}, {1, 1, 1})->Handle(), a);
}

TEST_F(Drawing, ABadFileIsToldByLineAndLeavesTheOpenDrawingAlone) {
  Line({0, 0, 0}, {1, 0, 0});
  const QString path = folder_.File(QStringLiteral("bad.dxf"));
  WriteBytes(path, "  0\r\nSECTION\r\n  2\r\nENTITIES\r\n  0\r\nLINE\r\n  8\r\n0\r\n");
  const QString reason = ErrorOf([&] { host_->Documents().Open(path); }).Reason();
  EXPECT_TRUE(reason.contains(QStringLiteral("bad.dxf"))) << reason.toStdString();
  EXPECT_TRUE(reason.contains(QStringLiteral("line"))) << reason.toStdString();
  EXPECT_EQ(host_->Documents().All().size(), 1u);
  EXPECT_EQ(Space().Entities().size(), 1u);
  // An unwritable place keeps the drawing as it was, unsaved.
  EXPECT_THROW(Document().SaveAs(folder_.File(QStringLiteral("missing/sub/x.dxf"))), AutomationError);
  EXPECT_TRUE(Document().Modified());
  EXPECT_TRUE(Document().FullName().isEmpty());
}

TEST_F(Drawing, ArcsWithAbsurdAnglesOpenAsArcsOfOneTurnAtMost) {
  const QString path = folder_.File(QStringLiteral("angles.dxf"));
  // Angles past any turn, an endless one and a huge sweep: each arc is still a few points.
  WriteBytes(path,
             "0\nSECTION\n2\nENTITIES\n"
             "0\nARC\n10\n0\n20\n0\n40\n1\n50\n1e300\n51\n90\n"
             "0\nARC\n10\n0\n20\n0\n40\n1\n50\n0\n51\n1e12\n"
             "0\nARC\n10\n0\n20\n0\n40\n1\n50\ninf\n51\n90\n"
             "0\nARC\n10\n0\n20\n0\n40\n1\n50\n-270\n51\n450\n"
             "0\nENDSEC\n0\nEOF\n");
  const auto document = host_->Documents().Open(path);
  const auto& entities = document->ModelSpace().Entities();
  ASSERT_EQ(entities.size(), 4u);
  for (const auto& arc : entities) {
    size_t points = 0;
    for (const auto& part : arc->Shape().paths) points += part.size();
    EXPECT_LE(points, 73u) << arc->Handle().toStdString();
  }
  // -270 to 450 degrees is the quarter from 90 to 90 + 360: a whole turn, ending where it began.
  const auto& turn = entities[3]->Shape().paths.at(0);
  EXPECT_NEAR(turn.front()[0], 0, 1e-9);
  EXPECT_NEAR(turn.front()[1], 1, 1e-9);
  EXPECT_NEAR(turn.back()[1], 1, 1e-9);
}

TEST_F(Drawing, NewTextsCirclesAndDeletedLayersAreWrittenAsOtherProgramsReadThem) {
  // Saved on layer Old, which owns an extension dictionary as AutoCAD's layers do.
  const QString path = folder_.File(QStringLiteral("layers.dxf"));
  WriteBytes(
      path,
      "0\nSECTION\n2\nHEADER\n9\n$ACADVER\n1\nAC1015\n9\n$CLAYER\n8\nOld\n0\nENDSEC\n"
      "0\nSECTION\n2\nTABLES\n0\nTABLE\n2\nLAYER\n5\n2\n330\n0\n100\nAcDbSymbolTable\n70\n2\n"
      "0\nLAYER\n5\n10\n330\n2\n100\nAcDbSymbolTableRecord\n100\nAcDbLayerTableRecord\n"
      "2\n0\n70\n0\n62\n7\n6\nContinuous\n"
      "0\nLAYER\n5\n11\n102\n{ACAD_XDICTIONARY\n360\n12\n102\n}\n330\n2\n"
      "100\nAcDbSymbolTableRecord\n100\nAcDbLayerTableRecord\n2\nOld\n70\n0\n62\n1\n"
      "6\nContinuous\n0\nENDTAB\n0\nENDSEC\n"
      "0\nSECTION\n2\nENTITIES\n0\nCIRCLE\n5\n20\n330\n1F\n100\nAcDbEntity\n8\n0\n"
      "100\nAcDbCircle\n10\n1\n20\n2\n30\n3\n40\n1\n210\n0\n220\n0\n230\n-1\n0\nENDSEC\n"
      "0\nSECTION\n2\nOBJECTS\n"
      "0\nDICTIONARY\n5\nC\n330\n0\n100\nAcDbDictionary\n281\n1\n"
      "0\nDICTIONARY\n5\n12\n330\n11\n100\nAcDbDictionary\n281\n1\n"
      "3\nADSK_XREC_LAYER_RECONCILED\n360\n13\n"
      "0\nXRECORD\n5\n13\n330\n12\n100\nAcDbXrecord\n280\n1\n290\n1\n0\nENDSEC\n0\nEOF\n");
  const auto document = host_->Documents().Open(path);
  auto& space = document->ModelSpace();
  // The circle lies in a plane seen from below: its centre comes out in world coordinates.
  EXPECT_EQ(space.Entities().front()->Get(QStringLiteral("Center")),
            cadhost::PointValue({-1, 2, -3}));
  const auto old = document->Layers().Find(QStringLiteral("Old"));
  QVariantList none;
  EXPECT_THROW(old->Invoke(QStringLiteral("Delete"), none), AutomationError);  // current
  document->Variables().Set(QStringLiteral("CLAYER"), QStringLiteral("0"));
  old->Invoke(QStringLiteral("Delete"), none);
  Call(space, QStringLiteral("AddText"),
       {QStringLiteral("Балка"), cadhost::PointValue({1, 2, 0}), 2.5});
  Call(space, QStringLiteral("AddCircle"), {cadhost::PointValue({3, 4, 0}), 0.5});
  const QString saved = folder_.File(QStringLiteral("saved.dxf"));
  document->SaveAs(saved);
  EXPECT_EQ(Ezdxf(QStringLiteral("import ezdxf\n"
                                 "d = ezdxf.readfile('%1')\n"
                                 "t, c = list(d.modelspace())[1:]\n"
                                 "print('Old' in d.layers, d.header['$CLAYER'], '13' in d.entitydb,"
                                 " len(d.audit().errors), t.dxf.text, t.dxf.insert, t.dxf.height,"
                                 " c.dxf.center, c.dxf.radius)")
                      .arg(saved))
                .toStdString(),
            "False 0 False 0 Балка (1.0, 2.0, 0.0) 2.5 (3.0, 4.0, 0.0) 0.5");
}

}  // namespace
}  // namespace trellis::test
