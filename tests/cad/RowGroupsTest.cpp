#include "CadTableFixture.h"

#include "app/LocaleNumbers.h"
#include "cad-host/SystemVariables.h"
#include "cad/GroupDisplay.h"
#include "cad/RowGroups.h"
#include "tables/TableOpening.h"

#include <gtest/gtest.h>

namespace trellis::test {
namespace {

class RowGroups : public CadTableFixture, public ::testing::Test {};

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
  EXPECT_FALSE(group->marked);  // a bound group is not left marked
  EXPECT_FALSE(group->selectable);  // "_-group _s NAME" was typed
  EXPECT_EQ(Drawing().Variables().Get(QStringLiteral("PICKSTYLE")).toInt(), 0);
  EXPECT_EQ(figures_.last(), "100");
  EXPECT_EQ(t_.window.StatusBar1.Panel(2), "");
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

TEST_F(RowGroups, BindingTwoRowsOneAfterTheOtherKeepsBothGroups) {
  AddLine();  // the column, (0,0)-(1,2)
  Drawing().ModelSpace().AddLine({0, 3, 0}, {6, 3, 0});  // the beam
  // Row 7 takes the column by a click on it, row 1234 the beam by a window around it.
  picker_.QueueGestures([](cadhost::PickSession& s, const cadhost::Projection& p) {
    s.Click(p, ScriptedPicker::OnScreen(0.5, 1), 5, false);
    s.Finish();
  });
  AssignRegionToRow(ctx_);
  SelectRow(3);
  picker_.QueueGestures([](cadhost::PickSession& s, const cadhost::Projection& p) {
    s.Rectangle(p, ScriptedPicker::OnScreen(-1, 4), ScriptedPicker::OnScreen(7, 2.5), false);
    s.Finish();
  });
  AssignRegionToRow(ctx_);
  ASSERT_NE(Group("KS_FEM_L_007"), nullptr);
  ASSERT_EQ(Group("KS_FEM_L_007")->Items().size(), 1u);
  ASSERT_EQ(Group("KS_FEM_L_1234")->Items().size(), 1u);
  EXPECT_EQ(Group("KS_FEM_L_1234")->Items()[0]->Shape().paths[0].back(),
            (cadhost::Point3{6, 3, 0}));
  EXPECT_NE(Group("KS_FEM_L_007")->Items()[0], Group("KS_FEM_L_1234")->Items()[0]);

  // "Show" on each row marks that row's group only.
  ShowSelect(ctx_, true);
  EXPECT_TRUE(Group("KS_FEM_L_1234")->marked);
  EXPECT_FALSE(Group("KS_FEM_L_007")->marked);
  SelectRow(1);
  ShowSelect(ctx_, true);
  EXPECT_TRUE(Group("KS_FEM_L_007")->marked);
  EXPECT_FALSE(Group("KS_FEM_L_1234")->marked);
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
  // Only the current row's group stands out.
  EXPECT_TRUE(Group("KS_FEM_L_007")->marked);
  EXPECT_FALSE(Group("KS_FEM_L_1234")->marked);
  EXPECT_FALSE(Enabled("Arrow"));
  ShowSelect(ctx_, false);
  EXPECT_FALSE(Group("KS_FEM_L_007")->marked);
  EXPECT_TRUE(Enabled("Arrow"));

  t_.window.fg1.SelectRows(1, 2);
  UpdateGroupButtons(t_.ctx);
  EXPECT_FALSE(Enabled("Show"));
  ShowTable(2);  // Arrow=-: "Show" only, also once "Show" is released
  UpdateGroupButtons(t_.ctx);
  EXPECT_TRUE(Enabled("Show"));
  EXPECT_FALSE(Enabled("Arrow"));
  ShowSelect(ctx_, false);
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
