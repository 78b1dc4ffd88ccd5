#include "ScriptedPicker.h"
#include "support/TableFixture.h"

#include "app/LocaleNumbers.h"
#include "automation/InProcessActivator.h"
#include "cad-host/HostApplication.h"
#include "cad-host/HostDocument.h"
#include "cad-host/HostEntity.h"
#include "cad-host/HostGroups.h"
#include "cad-host/HostLayers.h"
#include "cad-host/HostModelSpace.h"
#include "cad-host/SystemVariables.h"
#include "cad/CadConnection.h"
#include "cad/CadTableContext.h"
#include "cad/GroupDisplay.h"
#include "cad/RowGroups.h"
#include "cad/WindowSwitcher.h"
#include "tables/CatalogueLoading.h"
#include "tables/TableOpening.h"

#include <gtest/gtest.h>

namespace trellis::test {
namespace {

class RecordingWindow : public CadWindow {
 public:
  void SetStatusPanel(int panel, const QString& text) override {
    panels[panel] = text;
    if (panel == 3 && !text.isEmpty()) figures << text;
  }
  void ActivateMainWindow() override { ++activations; }
  QMap<int, QString> panels;
  QStringList figures;
  int activations = 0;
};

// Elements (group L, lines only) and Nodes (group P, no binding by "Arrow", PDMODE wanted)
// shown over the bundled host's model, which runs in this process.
class RowGroups : public ::testing::Test {
 protected:
  RowGroups() {
    t_.WriteInstall("Tables.ini",
                    "[Main]\nTables=El|Nd|Ld\n[Ext]\nExtBmp=d\nExtName=Модель\nPost=0\n"
                    "[El]\nExt=d02\nName=Элементы\nGroup=L\nFilterType=0\nFilterData=LINE\n"
                    "MacrosSel=After\n[Nd]\nExt=d03\nName=Узлы\nGroup=P\nArrow=-\n"
                    "Setvar=PDMODE:3|USERI1:1\n[Ld]\nExt=d04\nName=Нагрузки\n");
    t_.WriteInstall("bmp/Left/d.bmp", "BM");
    for (const char* key : {"El", "Nd", "Ld"}) {
      t_.WriteInstall(QLatin1String(key) + ".ini", "[F1]\nName=N\nType=i\n[F2]\nName=Имя\n");
    }
    t_.project.projectBaseName = "B";
    t_.WriteWorking("B.d02", "7\tБалка\r\n12a\tСтойка\r\n1234\tРигель\r\n");
    BuildGroupButtons(t_.ctx);
    LoadCatalogue(t_.ctx);
    OpenCurrentTable(t_.ctx);
    ToolButton arrow, show;
    arrow.key = QStringLiteral("Arrow");
    show.key = QStringLiteral("Show");
    show.style = ButtonStyle::Check;
    t_.window.Toolbar1.Add(arrow);
    t_.window.Toolbar1.Add(show);

    host_ = cadhost::HostApplication::Create({picker_, view_}, t_.root.Path());
    activator_.SetRunning(QStringLiteral("AutoCAD.Application"), host_);
    EXPECT_TRUE(cad_.ConnectCad(false));
  }

  cadhost::HostDocument& Drawing() { return *host_->ActiveDocument(); }
  QString AddLine(const QString& layer = QStringLiteral("0")) {
    if (!Drawing().Layers().Find(layer)) Drawing().Layers().Add(layer);
    const auto line = Drawing().ModelSpace().AddLine({0, 0, 0}, {1, 2, 0});
    line->SetLayer(layer);
    return line->Handle();
  }
  std::shared_ptr<cadhost::HostGroup> Group(const QString& name) {
    return Drawing().Groups().Find(name);
  }
  void SelectRow(int row) { t_.window.fg1.SelectCell(row, 1); }
  bool Enabled(const char* key) {
    return t_.window.Toolbar1.Button(t_.window.Toolbar1.Find(QLatin1String(key))).enabled;
  }
  void ShowTable(int tab) {
    t_.window.Tabs1.Select(tab);
    OnTabClick(t_.ctx);
  }

  TableFixture t_;
  ScriptedPicker picker_;
  cadhost::HostView view_;
  std::shared_ptr<cadhost::HostApplication> host_;
  InProcessActivator activator_;
  NoWindowSwitcher windows_;
  CadConnection cad_{CadServices{activator_, t_.settings, t_.prompter, windows_, t_.root.Path(), QString()}};
  RecordingWindow window_;
  CadTableContext ctx_{t_.ctx, cad_, t_.prompter, window_};
};

TEST(RowGroupNames, FirstCellsAreFormattedWithThreeDigits) {
  const std::pair<const char*, const char*> cases[] = {
      {"7", "007"},   {"1234", "1234"}, {"-5", "-005"}, {"3,7", "004"}, {"2,5", "003"},
      {"-2,5", "-003"}, {"-0,4", "-000"}, {" 7 ", "007"}, {"12a", "12a"}, {"3.7", "3.7"}, {"", ""}};
  for (const auto& [text, formatted] : cases) {
    EXPECT_EQ(FormatWithZeros(QString::fromUtf8(text), 3), QString::fromUtf8(formatted)) << text;
  }
}

TEST_F(RowGroups, TheRowsGroupNameNeedsOneRowWithANumber) {
  EXPECT_EQ(CurrentRowGroupName(t_.ctx), "KS_FEM_L_007");
  SelectRow(2);
  EXPECT_EQ(CurrentRowGroupName(t_.ctx), "");  // 12a
  SelectRow(3);
  EXPECT_EQ(CurrentRowGroupName(t_.ctx), "KS_FEM_L_1234");
  t_.window.fg1.SelectRows(1, 2);
  EXPECT_EQ(CurrentRowGroupName(t_.ctx), "");
  ShowTable(3);  // a table without Group
  EXPECT_EQ(CurrentRowGroupName(t_.ctx), "");
}

TEST_F(RowGroups, ArrowMakesThePickedObjectsTheWholeGroup) {
  Drawing().Variables().Set(QStringLiteral("PICKSTYLE"), 3);
  const QString a = AddLine(), b = AddLine();
  picker_.QueuePick({a, b});
  AssignRegionToRow(ctx_);
  const auto group = Group("KS_FEM_L_007");
  ASSERT_NE(group, nullptr);
  ASSERT_EQ(group->Items().size(), 2u);
  // The members are copies on the originals' layer; the originals are gone.
  EXPECT_EQ(Drawing().ModelSpace().Entities().size(), 2u);
  for (const auto& item : group->Items()) {
    EXPECT_NE(item->Handle(), a);
    EXPECT_EQ(item->Layer(), "0");
  }
  EXPECT_TRUE(group->highlighted);
  EXPECT_FALSE(group->selectable);  // "_-group _s NAME" was typed
  EXPECT_EQ(Drawing().Variables().Get(QStringLiteral("PICKSTYLE")).toInt(), 0);
  EXPECT_EQ(window_.figures.last(), "100");
  EXPECT_EQ(window_.panels[2], "");
  EXPECT_TRUE(t_.hooks.calls.contains("RunTableHook MacrosSel"));

  // Again, with the group renamed in other letters: rebuilt from the new pick, not doubled.
  Drawing().Groups().Delete(group.get());
  Drawing().Groups().Add("ks_fem_l_007");
  const QString c = AddLine();
  picker_.QueuePick({c});
  AssignRegionToRow(ctx_);
  int named = 0;
  for (const auto& g : Drawing().Groups().All()) named += g->Name().toUpper() == "KS_FEM_L_007";
  EXPECT_EQ(named, 1);
  EXPECT_EQ(Group("KS_FEM_L_007")->Items().size(), 1u);
}

TEST_F(RowGroups, AnEmptyPickOrAServiceObjectLeavesTheDrawingAlone) {
  AssignRegionToRow(ctx_);  // the user picks nothing
  ASSERT_EQ(t_.prompter.Messages().size(), 1u);
  EXPECT_EQ(t_.prompter.Messages()[0].text, "Объект не выбран в графическом редакторе");
  EXPECT_EQ(t_.prompter.Messages()[0].caption, "Выбор региона");
  EXPECT_EQ(Group("KS_FEM_L_007"), nullptr);

  Drawing().Variables().Set(QStringLiteral("PICKSTYLE"), 0);
  picker_.QueuePick({AddLine("KS_FEM_"), AddLine("ks_fem_R")});
  EXPECT_FALSE(AssignSelectionToGroup(ctx_, "KS_FEM_L_007"));
  EXPECT_EQ(t_.prompter.Messages().back().text, "Не допускается выбор в служебном слое");
  EXPECT_EQ(t_.prompter.Messages().back().caption, "Выбор объекта");
  EXPECT_EQ(Group("KS_FEM_L_007"), nullptr);
  EXPECT_EQ(Drawing().ModelSpace().Entities().size(), 2u);
}

TEST_F(RowGroups, ShowMarksTheRowsGroupAndTheButtonsFollowTheTable) {
  Drawing().Groups().Add("KS_FEM_L_007");
  Drawing().Groups().Add("KS_FEM_L_1234");
  UpdateGroupButtons(t_.ctx);
  EXPECT_TRUE(Enabled("Show"));
  EXPECT_TRUE(Enabled("Arrow"));

  ShowSelect(ctx_, true);
  EXPECT_FALSE(Group("KS_FEM_L_007")->highlighted);  // shown: False in AutoCAD mode
  EXPECT_TRUE(Group("KS_FEM_L_1234")->highlighted);  // reset: True
  EXPECT_FALSE(Enabled("Arrow"));
  ShowSelect(ctx_, false);
  EXPECT_TRUE(Group("KS_FEM_L_007")->highlighted);
  EXPECT_TRUE(Enabled("Arrow"));

  t_.window.fg1.SelectRows(1, 2);
  UpdateGroupButtons(t_.ctx);
  EXPECT_FALSE(Enabled("Show"));
  ShowTable(2);  // Arrow=-: "Show" only
  UpdateGroupButtons(t_.ctx);
  EXPECT_TRUE(Enabled("Show"));
  EXPECT_FALSE(Enabled("Arrow"));
}

TEST_F(RowGroups, ATablesHostVariablesAreSetAndTheOldOnesComeBack) {
  cadhost::SystemVariables& variables = Drawing().Variables();
  variables.Set(QStringLiteral("PDMODE"), 0);
  variables.Set(QStringLiteral("USERI1"), 10);  // "USERI1:1" is found in "USERI1:10"
  TableSetvar setvar;
  ShowTable(2);
  setvar.Apply(ctx_);
  EXPECT_EQ(variables.Get(QStringLiteral("PDMODE")).toInt(), 3);
  EXPECT_EQ(variables.Get(QStringLiteral("USERI1")).toInt(), 10);
  EXPECT_EQ(setvar.Saved(), "PDMODE:0|USERI1:10");

  ShowTable(3);  // no Setvar: the old values come back
  setvar.Apply(ctx_);
  EXPECT_EQ(variables.Get(QStringLiteral("PDMODE")).toInt(), 0);
  EXPECT_EQ(setvar.Saved(), "PDMODE:0|USERI1:10");
}

}  // namespace
}  // namespace trellis::test
