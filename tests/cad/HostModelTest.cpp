#include "BusTestSupport.h"
#include "ScriptedPicker.h"
#include "support/TestFiles.h"

#include "cad-host/HostApplication.h"
#include "cad-host/HostDocument.h"
#include "cad-host/HostEntity.h"
#include "cad-host/HostGroups.h"
#include "cad-host/HostModelSpace.h"
#include "cad/CadObjects.h"

#include <gtest/gtest.h>

namespace trellis::test {
namespace {

// The drawing host's object model, driven in-process through the wrappers the program uses.
class HostModel : public ::testing::Test {
 protected:
  QVariant Variable(const QString& name) const { return document_.GetVariable(name); }
  QStringList HandlesOf(const CadSelectionSet& set) const {
    QStringList handles;
    for (int i = 0; i < set.Count(); ++i) handles << set.Item(i).Handle();
    return handles;
  }
  // Late-bound, as a macro in another process calls the host.
  static QVariant Call(const CadObject& object, const QString& member, QVariantList args = {}) {
    return trellis::Call(*object.Object(), member, std::move(args));
  }
  static QVariant Get(const CadObject& object, const QString& name) {
    return object.Object()->Get(name);
  }
  CadEntity Added(const QString& member, QVariantList args) const {
    return CadEntity(ObjectOf(Call(space_, member, std::move(args))));
  }
  QStringList DrawingHandles() const {
    QStringList handles;
    for (int i = 0; i < Get(space_, QStringLiteral("Count")).toInt(); ++i) {
      handles << CadEntity(ObjectOf(Call(space_, QStringLiteral("Item"), {i}))).Handle();
    }
    return handles;
  }
  cadhost::DrawingHistory& History() { return host_->ActiveDocument()->History(); }

  ScriptedPicker picker_;
  cadhost::NoWindow view_;
  TempFolder folder_;
  std::shared_ptr<cadhost::HostApplication> host_ =
      cadhost::HostApplication::Create({picker_, view_}, folder_.Path());
  CadApplication application_{host_};
  CadDocument document_ = application_.ActiveDocument();
  CadModelSpace space_ = document_.ModelSpace();
};

TEST_F(HostModel, ApplicationStartsHiddenAndLoadsOnlyExistingProjects) {
  EXPECT_FALSE(application_.Visible());
  application_.SetVisible(true);
  application_.SetWindowState(3);
  EXPECT_TRUE(host_->Visible());
  EXPECT_EQ(host_->WindowState(), 3);
  EXPECT_EQ(ErrorOf([&] { application_.SetWindowState(4); }).Reason(),
            QStringLiteral("no window state 4"));
  EXPECT_EQ(application_.Caption(), QStringLiteral("Trellis CAD - [Drawing1.dxf]"));
  EXPECT_EQ(application_.Path(), folder_.Path());
  EXPECT_EQ(document_.Application().Name(), QStringLiteral("Trellis CAD"));
  EXPECT_THROW(application_.LoadDVB(folder_.File(QStringLiteral("TR_AC.dvb"))), AutomationError);
  WriteBytes(folder_.File(QStringLiteral("TR_AC.dvb")), "project");
  application_.LoadDVB(folder_.File(QStringLiteral("TR_AC.dvb")));
  EXPECT_EQ(host_->LoadedProjects(), QStringList{folder_.File(QStringLiteral("TR_AC.dvb"))});
}

TEST_F(HostModel, LayersAreFoundWithoutCaseAndAddingAnExistingOneGivesIt) {
  const CadLayers layers = document_.Layers();
  EXPECT_EQ(layers.Item(QStringLiteral("0")).Name(), QStringLiteral("0"));
  const CadLayer walls = layers.Add(QStringLiteral("Walls"));
  EXPECT_FALSE(walls.Handle().isEmpty());
  EXPECT_EQ(layers.Add(QStringLiteral("WALLS")).Handle(), walls.Handle());
  EXPECT_EQ(layers.Count(), 2);
  EXPECT_THROW(layers.Item(QStringLiteral("Roof")), AutomationError);
  walls.SetLayerOn(false);
  EXPECT_FALSE(layers.Item(QStringLiteral("walls")).LayerOn());
}

TEST_F(HostModel, EntitiesGoOnTheCurrentLayerAndErasingRemovesThemEverywhere) {
  document_.Layers().Add(QStringLiteral("Walls"));
  document_.SetVariable(QStringLiteral("CLAYER"), QStringLiteral("walls"));
  const CadEntity line = space_.AddLine({0, 0, 0}, {3, 4, 0});
  const CadEntity point = space_.AddPoint({1, 2, 3});
  EXPECT_EQ(line.Layer(), QStringLiteral("Walls"));
  EXPECT_EQ(line.ObjectName(), QStringLiteral("AcDbLine"));
  EXPECT_EQ(point.ObjectName(), QStringLiteral("AcDbPoint"));
  EXPECT_EQ(line.EndPoint(), (CadPoint{3, 4, 0}));
  EXPECT_EQ(point.Coordinates(), (CadPoint{1, 2, 3}));
  EXPECT_THROW(point.StartPoint(), AutomationError);
  EXPECT_EQ(line.Color(), 256);
  line.SetColor(1);
  EXPECT_EQ(line.Color(), 1);
  EXPECT_THROW(line.SetLayer(QStringLiteral("Roof")), AutomationError);

  const CadGroup group = document_.Groups().Add(QStringLiteral("G"));
  group.AppendItems({line, point});
  const CadSelectionSet set = document_.SelectionSets().Add(QStringLiteral("S"));
  set.AddItems({line, point});
  line.Erase();
  EXPECT_EQ(group.Count(), 1);
  EXPECT_EQ(set.Count(), 1);
  EXPECT_EQ(group.Item(0).Handle(), point.Handle());
  EXPECT_EQ(ErrorOf([&] { line.Layer(); }).Reason(), QStringLiteral("the object was erased"));
  EXPECT_THROW(group.AppendItems({line}), AutomationError);
}

TEST_F(HostModel, GroupsRefuseDuplicateNamesAndDeletedGroupsAnswerNoMore) {
  const CadGroups groups = document_.Groups();
  const CadGroup first = groups.Add(QStringLiteral("KS_FEM_L_001"));
  const CadGroup second = groups.Add(QStringLiteral("KS_FEM_L_002"));
  EXPECT_EQ(ErrorOf([&] { groups.Add(QStringLiteral("ks_fem_l_001")); }).Reason(),
            QStringLiteral("a group named ks_fem_l_001 exists"));
  EXPECT_EQ(groups.Count(), 2);
  EXPECT_EQ(groups.Item(1).Name(), QStringLiteral("KS_FEM_L_002"));
  EXPECT_EQ(groups.Item(QStringLiteral("ks_fem_l_001")).Name(), QStringLiteral("KS_FEM_L_001"));
  EXPECT_THROW(groups.Item(2), AutomationError);

  const CadEntity point = space_.AddPoint({0, 0, 0});
  first.AppendItems({point, point});
  first.AppendItems({point});
  EXPECT_EQ(first.Count(), 1);
  // AutoCAD's sense: False marks the group, True takes the mark away.
  first.Highlight(false);
  EXPECT_TRUE(host_->ActiveDocument()->Groups().Find(QStringLiteral("KS_FEM_L_001"))->marked);
  first.Highlight(true);
  EXPECT_FALSE(host_->ActiveDocument()->Groups().Find(QStringLiteral("KS_FEM_L_001"))->marked);
  first.Delete();
  EXPECT_EQ(groups.Count(), 1);
  EXPECT_EQ(ErrorOf([&] { first.Name(); }).Reason(), QStringLiteral("the group was deleted"));
  EXPECT_EQ(groups.Item(0).Name(), second.Name());
  groups.Add(QStringLiteral("KS_FEM_L_001"));  // the name is free again
}

TEST_F(HostModel, OnScreenPickOffersVisibleObjectsAndKeepsWhatPassesTheFilter) {
  document_.Layers().Add(QStringLiteral("Walls"));
  document_.Layers().Add(QStringLiteral("Hidden")).SetLayerOn(false);
  const CadEntity wallLine = space_.AddLine({0, 0, 0}, {1, 0, 0});
  wallLine.SetLayer(QStringLiteral("Walls"));
  const CadEntity wallPoint = space_.AddPoint({1, 1, 0});
  wallPoint.SetLayer(QStringLiteral("Walls"));
  const CadEntity otherLine = space_.AddLine({0, 1, 0}, {1, 1, 0});
  space_.AddPoint({5, 5, 5}).SetLayer(QStringLiteral("Hidden"));
  const QStringList all{wallLine.Handle(), wallPoint.Handle(), otherLine.Handle()};

  const CadSelectionSets sets = document_.SelectionSets();
  const CadSelectionSet set = sets.Add(QStringLiteral("Kestrel_SSET"));
  EXPECT_EQ(ErrorOf([&] { sets.Add(QStringLiteral("KESTREL_SSET")); }).Reason(),
            QStringLiteral("a selection set named KESTREL_SSET exists"));
  picker_.QueuePick(all);
  set.SelectOnScreen({0, 8}, {QStringLiteral("LINE"), QStringLiteral("w*")});
  // The filter decides what the user is offered at all.
  EXPECT_EQ(picker_.Offered().back(), QStringList{wallLine.Handle()});
  EXPECT_EQ(HandlesOf(set), QStringList{wallLine.Handle()});
  picker_.QueuePick(all);
  set.SelectOnScreen();
  EXPECT_EQ(HandlesOf(set), all);  // added once each
  set.Clear();
  EXPECT_EQ(set.Count(), 0);
  set.SelectOnScreen();  // the user cancels
  EXPECT_EQ(set.Count(), 0);
  EXPECT_EQ(ErrorOf([&] { set.SelectOnScreen({0}, {}); }).Reason(),
            QStringLiteral("the filter has 1 codes and 0 values"));
  EXPECT_EQ(ErrorOf([&] { set.SelectOnScreen({10}, {1}); }).Reason(),
            QStringLiteral("filter code 10 is not supported"));

  // With group selection on, picking one member of a selectable group picks the group.
  document_.Groups().Add(QStringLiteral("G")).AppendItems({wallLine, otherLine});
  picker_.QueuePick({wallLine.Handle()});
  set.SelectOnScreen();
  EXPECT_EQ(HandlesOf(set), (QStringList{wallLine.Handle(), otherLine.Handle()}));
  set.Clear();
  document_.SetVariable(QStringLiteral("PICKSTYLE"), 0);
  picker_.QueuePick({wallLine.Handle()});
  set.SelectOnScreen();
  EXPECT_EQ(HandlesOf(set), QStringList{wallLine.Handle()});
}

TEST_F(HostModel, SystemVariablesKeepTheirTypesAndRanges) {
  EXPECT_EQ(Variable(QStringLiteral("pickstyle")), QVariant(1));
  EXPECT_EQ(Variable(QStringLiteral("USERI1")), QVariant(0));
  EXPECT_EQ(Variable(QStringLiteral("USERS1")), QVariant(QString()));
  document_.SetVariable(QStringLiteral("USERI1"), QVariant::fromValue(short(8)));
  document_.SetVariable(QStringLiteral("USERS1"), QStringLiteral("Walls"));
  document_.SetVariable(QStringLiteral("PICKSTYLE"), 2.0);
  EXPECT_EQ(Variable(QStringLiteral("USERI1")), QVariant(8));
  EXPECT_EQ(Variable(QStringLiteral("PICKSTYLE")), QVariant(2));
  const auto reason = [&](const QString& name, const QVariant& value) {
    return ErrorOf([&] { document_.SetVariable(name, value); }).Reason();
  };
  EXPECT_EQ(reason(QStringLiteral("PICKSTYLE"), 4),
            QStringLiteral("PICKSTYLE takes 0 to 3, not 4"));
  EXPECT_EQ(reason(QStringLiteral("USERI1"), QStringLiteral("1")),
            QStringLiteral("USERI1 takes a number"));
  EXPECT_EQ(reason(QStringLiteral("USERS1"), 1), QStringLiteral("USERS1 takes a text"));
  EXPECT_EQ(reason(QStringLiteral("DWGNAME"), QStringLiteral("x")),
            QStringLiteral("DWGNAME is read-only"));
  EXPECT_EQ(reason(QStringLiteral("NOSUCH"), 1), QStringLiteral("no system variable NOSUCH"));
  EXPECT_EQ(reason(QStringLiteral("CLAYER"), QStringLiteral("Roof")),
            QStringLiteral("no layer Roof"));
  EXPECT_THROW(Variable(QStringLiteral("NOSUCH")), AutomationError);
}

TEST_F(HostModel, AddInMacrosPickIntoTheProgramsSetAndFillTheGroup) {
  document_.Layers().Add(QStringLiteral("Walls"));
  const CadEntity wall = space_.AddLine({0, 0, 0}, {1, 0, 0});
  wall.SetLayer(QStringLiteral("Walls"));
  const CadEntity other = space_.AddLine({0, 1, 0}, {1, 1, 0});
  document_.SetVariable(QStringLiteral("USERI1"), 8);
  document_.SetVariable(QStringLiteral("USERS1"), QStringLiteral("Walls"));
  picker_.QueuePick({wall.Handle(), other.Handle()});
  application_.RunMacro(QStringLiteral("SelectOnScreenCode"));
  const CadSelectionSet set = document_.SelectionSets().Item(QStringLiteral("Kestrel_SSET"));
  EXPECT_EQ(HandlesOf(set), QStringList{wall.Handle()});

  document_.SetVariable(QStringLiteral("USERS1"), QStringLiteral("KS_FEM_W_001"));
  application_.RunMacro(QStringLiteral("TR.zvb!Module1.SetGroup"));
  const CadGroup group = document_.Groups().Item(QStringLiteral("KS_FEM_W_001"));
  EXPECT_EQ(group.Count(), 1);
  EXPECT_EQ(group.Item(0).Handle(), wall.Handle());
  EXPECT_EQ(ErrorOf([&] { application_.RunMacro(QStringLiteral("Other")); }).Reason(),
            QStringLiteral("macro Other not found"));
}

TEST_F(HostModel, GroupCommandFlipsSelectabilityAndUnknownCommandsAreIgnored) {
  document_.Groups().Add(QStringLiteral("KS_FEM_L_007"));
  const auto group = host_->ActiveDocument()->Groups().Find(QStringLiteral("KS_FEM_L_007"));
  document_.SendCommand(QStringLiteral("_-group _s KS_FEM_L_007 \r"));
  EXPECT_FALSE(group->selectable);
  // Typed in pieces, answered explicitly, and with CR LF as one Enter.
  document_.SendCommand(QStringLiteral("-GROUP S"));
  document_.SendCommand(QStringLiteral("\r\nks_fem_l_007 _N\r\n"));
  EXPECT_FALSE(group->selectable);
  document_.SendCommand(QStringLiteral("_-group _s KS_FEM_L_007 _Y\r"));
  EXPECT_TRUE(group->selectable);
  document_.SendCommand(QStringLiteral("_regenall\r_-group _s NOGROUP \r"));
  EXPECT_EQ(host_->ActiveDocument()->CommandLine().History(),
            (QStringList{QStringLiteral("-GROUP: KS_FEM_L_007 is unselectable"),
                         QStringLiteral("-GROUP: KS_FEM_L_007 is unselectable"),
                         QStringLiteral("-GROUP: KS_FEM_L_007 is selectable"),
                         QStringLiteral("Unknown command \"_regenall\""),
                         QStringLiteral("-GROUP: no group \"NOGROUP\"")}));
  document_.Regen(1);
  EXPECT_EQ(host_->ActiveDocument()->Regenerations(), 1);
  EXPECT_THROW(document_.Regen(2), AutomationError);
}

TEST_F(HostModel, TextsAndCirclesGoOnTheCurrentLayerAnswerTheirKindsMembersAndAreUndone) {
  {
    const cadhost::HistoryStep step(History(), QStringLiteral("Слой"));
    document_.Layers().Add(QStringLiteral("Marks"));
  }
  document_.SetVariable(QStringLiteral("CLAYER"), QStringLiteral("Marks"));
  const CadEntity text =
      Added(QStringLiteral("AddText"), {QStringLiteral("Балка 7"), PointValue({1, 2, 0}), 2.5});
  const CadEntity circle = Added(QStringLiteral("AddCircle"), {PointValue({3, 4, 5}), 0.5});
  EXPECT_EQ(Get(text, QStringLiteral("TextString")), QVariant(QStringLiteral("Балка 7")));
  EXPECT_EQ(ToCadPoint(Get(text, QStringLiteral("InsertionPoint")), {}), (CadPoint{1, 2, 0}));
  EXPECT_EQ(Get(text, QStringLiteral("Height")).toDouble(), 2.5);
  EXPECT_EQ(ToCadPoint(Get(circle, QStringLiteral("Center")), {}), (CadPoint{3, 4, 5}));
  EXPECT_EQ(Get(circle, QStringLiteral("Radius")).toDouble(), 0.5);
  EXPECT_EQ(text.Layer() + circle.ObjectName(), QStringLiteral("MarksAcDbCircle"));
  // Turned upright into the XZ plane, both stay where they are in the world.
  for (const CadEntity& planar : {text, circle}) {
    planar.Object()->Set(QStringLiteral("Normal"), PointValue({0, -2, 0}));
    EXPECT_EQ(ToCadPoint(Get(planar, QStringLiteral("Normal")), {}), (CadPoint{0, -1, 0}));
  }
  const CadPoint at = ToCadPoint(Get(text, QStringLiteral("InsertionPoint")), {});
  EXPECT_NEAR(at[0], 1, 1e-12);
  EXPECT_NEAR(at[1], 2, 1e-12);
  EXPECT_NEAR(at[2], 0, 1e-12);
  EXPECT_NEAR(ToCadPoint(Get(circle, QStringLiteral("Center")), {})[2], 5, 1e-12);
  EXPECT_THROW(text.Object()->Set(QStringLiteral("Normal"), PointValue({0, 0, 0})), AutomationError);
  EXPECT_EQ(ErrorOf([&] { Get(circle, QStringLiteral("TextString")); }).Reason(),
            QStringLiteral("a CIRCLE has no TextString"));
  EXPECT_THROW(Get(text, QStringLiteral("Center")), AutomationError);
  EXPECT_THROW(Added(QStringLiteral("AddCircle"), {PointValue({0, 0, 0}), 0}), AutomationError);
  EXPECT_THROW(Added(QStringLiteral("AddText"), {QStringLiteral("x"), PointValue({0, 0, 0}), -1}),
               AutomationError);
  for (const auto& entity : host_->ActiveDocument()->ModelSpace().Entities()) {
    EXPECT_TRUE(entity->Drawn()) << entity->TypeName().toStdString();
  }

  History().Undo();
  EXPECT_TRUE(DrawingHandles().isEmpty());
  EXPECT_THROW(Get(text, QStringLiteral("TextString")), AutomationError);
  EXPECT_EQ(document_.Layers().Count(), 2);
}

TEST_F(HostModel, SelectAllTakesWhatTheFilterAdmitsOnAnyLayerAndErasingItIsOneStep) {
  CadEntity wall, zero, label;
  {
    const cadhost::HistoryStep step(History(), QStringLiteral("Черчение"));
    document_.Layers().Add(QStringLiteral("Walls"));
    wall = space_.AddLine({0, 0, 0}, {1, 0, 0});
    zero = space_.AddLine({0, 1, 0}, {1, 1, 0});
    label = Added(QStringLiteral("AddText"), {QStringLiteral("W"), PointValue({0, 0, 0}), 1});
    wall.SetLayer(QStringLiteral("Walls"));
    label.SetLayer(QStringLiteral("Walls"));
    document_.Layers().Item(QStringLiteral("Walls")).SetLayerOn(false);
    document_.Groups().Add(QStringLiteral("G")).AppendItems({wall, zero});
  }
  const CadSelectionSet set = document_.SelectionSets().Add(QStringLiteral("Service"));
  const QVariantList onWalls{5, QVariant(), QVariant(), QVariantList{8},
                             QVariantList{QStringLiteral("walls")}};
  Call(set, QStringLiteral("Select"), onWalls);
  EXPECT_EQ(HandlesOf(set), (QStringList{wall.Handle(), label.Handle()}));
  Call(set, QStringLiteral("Select"), {5});
  EXPECT_EQ(HandlesOf(set), (QStringList{wall.Handle(), label.Handle(), zero.Handle()}));
  EXPECT_EQ(ErrorOf([&] { Call(set, QStringLiteral("Select"), {0}); }).Reason(),
            QStringLiteral("selection mode 0 is not supported"));

  set.Clear();
  Call(set, QStringLiteral("Select"), onWalls);
  Call(set, QStringLiteral("Erase"));
  EXPECT_EQ(set.Count(), 0);
  EXPECT_EQ(DrawingHandles(), QStringList{zero.Handle()});
  History().Undo();
  EXPECT_EQ(History().UndoName(), QStringLiteral("Черчение"));
  EXPECT_EQ(DrawingHandles(), (QStringList{wall.Handle(), zero.Handle(), label.Handle()}));
  const CadGroup group = document_.Groups().Item(QStringLiteral("G"));
  EXPECT_EQ(group.Item(0).Handle() + group.Item(1).Handle(), wall.Handle() + zero.Handle());
}

TEST_F(HostModel, LayerDeleteRefusesLayerZeroTheCurrentAndAUsedLayerAndIsUndone) {
  const CadLayers layers = document_.Layers();
  CadEntity line;
  {
    const cadhost::HistoryStep step(History(), QStringLiteral("Слои"));
    for (const char* name : {"Used", "Current", "Spare"}) layers.Add(QLatin1String(name));
    line = space_.AddLine({0, 0, 0}, {1, 0, 0});
    line.SetLayer(QStringLiteral("Used"));
  }
  document_.SetVariable(QStringLiteral("CLAYER"), QStringLiteral("current"));
  const auto refusal = [&](const QString& name) {
    return ErrorOf([&] { Call(layers.Item(name), QStringLiteral("Delete")); }).Reason();
  };
  EXPECT_EQ(refusal(QStringLiteral("0")), QStringLiteral("layer 0 cannot be deleted"));
  EXPECT_EQ(refusal(QStringLiteral("Current")),
            QStringLiteral("layer Current is the current layer"));
  EXPECT_EQ(refusal(QStringLiteral("Used")),
            QStringLiteral("layer Used has objects of the drawing on it"));
  const CadLayer spare = layers.Item(QStringLiteral("Spare"));
  Call(spare, QStringLiteral("Delete"));
  EXPECT_EQ(ErrorOf([&] { layers.Item(QStringLiteral("spare")); }).Reason(),
            QStringLiteral("no item named spare"));
  EXPECT_THROW(spare.Name(), AutomationError);
  History().Undo();
  EXPECT_EQ(CadLayer(ObjectOf(Call(layers, QStringLiteral("Item"), {3}))).Name(),
            QStringLiteral("Spare"));
  line.Erase();  // an erased object holds its layer no more
  Call(layers.Item(QStringLiteral("Used")), QStringLiteral("Delete"));
  EXPECT_EQ(layers.Count(), 3);
}

}  // namespace
}  // namespace trellis::test
