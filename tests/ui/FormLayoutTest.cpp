#include "ui/FormLayout.h"

#include <gtest/gtest.h>

namespace trellis {
namespace {

FormLayoutInput Window() {
  FormLayoutInput in;
  in.windowWidth = 15000;
  in.windowHeight = 9000;
  in.innerWidth = 14880;
  in.innerHeight = 8580;
  in.leftToolbarWidth = 450;
  in.toolbarHeight = 420;
  in.statusBarHeight = 330;
  in.tabClientTop = 360;
  in.tabClientHeightLoss = 360;
  in.statusPanelsMinWidth = 4500;
  return in;
}

TEST(FormLayout, TableStripTakesEverythingWithTheLowerPanesHidden) {
  const FormLayoutResult r = ComputeFormLayout(Window());
  EXPECT_EQ(r.tabs1, QRect(480, 480, 14880 - 60 - 450, 8580 - 420 - 90 - 330));
  // The lower area is parked under the status bar.
  EXPECT_EQ(r.tabs2.top(), r.tabs1.height() + 420 + 120);
  EXPECT_GT(r.tabs2.top(), 8580 - 330);
  EXPECT_EQ(r.fg1, QRect(480 + 30, 480 + 360 + 30, r.tabs1.width() - 60, r.tabs1.height() - 360 - 60));
  EXPECT_EQ(r.txtHide, r.fg1.adjusted(15, 15, -15, -15));
  EXPECT_EQ(r.toolbar1Width, 15000 - 585);  // ToolbarB hidden
}

TEST(FormLayout, WithTheLowerPanesBothStripsShareTheHeight) {
  FormLayoutInput in = Window();
  in.down = true;
  const FormLayoutResult r = ComputeFormLayout(in);
  const int half = int((8580 - 420 - 90 - 330) * 0.5) - 30;
  EXPECT_EQ(r.tabs1.height(), half);
  EXPECT_EQ(r.tabs2, QRect(480, half + 420 + 120, r.tabs1.width(), half));
  EXPECT_EQ(r.fg2.top(), r.tabs1.top() + 360 + 30 + r.tabs1.height() + 60);
  EXPECT_EQ(r.fg2.size(), r.fg1.size());

  // The border moved down to a fifth, and dragged past its limit.
  in.lowerShare = 0.2;
  const FormLayoutResult moved = ComputeFormLayout(in);
  const int free = 8580 - 420 - 90 - 330;
  EXPECT_EQ(moved.tabs1.height(), int(free * 0.8) - 30);
  EXPECT_EQ(moved.tabs2.height(), int(free * 0.2) - 30);
  EXPECT_EQ(moved.fg2.height(), moved.tabs2.height() - 360 - 60);
  EXPECT_EQ(moved.fg2.bottom(), moved.tabs2.bottom() - 30);
  in.lowerShare = 0.99;
  EXPECT_EQ(ComputeFormLayout(in).tabs2.height(), int(free * kMaxLowerShare) - 30);
}

TEST(FormLayout, ToolbarWidthsFollowTheButtonSize) {
  FormLayoutInput in = Window();
  in.toolbarBVisible = true;
  in.toolbarBLeft = 7100;
  EXPECT_EQ(ComputeFormLayout(in).toolbar1Width, 6555);
  EXPECT_EQ(ComputeFormLayout(in).toolbarBWidth, 15000 - 165 - 7100);
  in.bigButtons = true;
  EXPECT_EQ(ComputeFormLayout(in).toolbar1Width, 10410);
}

TEST(FormLayout, ErrorListColumnsProgressBarAndMinimumHeight) {
  FormLayoutInput in = Window();
  in.down = true;
  const FormLayoutResult r = ComputeFormLayout(in);
  const int unit = std::max(600, (r.fg2.width() - 600) / 11);
  EXPECT_EQ(r.errorListColumnWidths, (std::vector<int>{300, 6 * unit, unit, 2 * unit, unit, unit}));
  EXPECT_EQ(r.progressBar.left(), int(15000 * 0.75) - 135);
  EXPECT_EQ(r.progressBar.width(), 15000 / 4 - 270);
  EXPECT_EQ(r.progressBar.top(), 8580 - 330 + 60);
  EXPECT_EQ(r.statusPanel1MinWidth, 15000 - (15000 / 4 - 270) - 525 - 4500);

  in.windowHeight = 3000;
  in.innerHeight = 2580;
  const FormLayoutResult small = ComputeFormLayout(in);
  EXPECT_EQ(small.windowHeight, 5000);
  EXPECT_EQ(small.tabs1.height(), int((4580 - 420 - 90 - 330) * 0.5) - 30);
}

}  // namespace
}  // namespace trellis
