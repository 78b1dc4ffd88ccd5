#pragma once

#include <QRect>

#include <vector>

namespace trellis {

// What the main window's layout starts from, in twips.
struct FormLayoutInput {
  int windowWidth = 0;   // outer size
  int windowHeight = 0;
  int innerWidth = 0;    // client area
  int innerHeight = 0;
  int leftToolbarWidth = 0;  // L
  int toolbarHeight = 0;     // T
  int statusBarHeight = 0;   // S
  bool down = false;         // lower panes shown
  // The part of the free height the lower panes get when shown (half in the classic window;
  // the user moves the border between them).
  double lowerShare = 0.5;
  bool bigButtons = false;
  bool toolbarBVisible = false;
  int toolbarBLeft = 0;
  // Where a tab strip's client area lies inside the strip (below its tabs).
  int tabClientTop = 0;
  int tabClientLeft = 0;
  int tabClientHeightLoss = 0;  // strip height - client height
  int tabClientWidthLoss = 0;
  int errorListColumns = 6;
  int statusPanelsMinWidth = 0;  // panels 2, 3 and 4 together
};

// Where everything goes, in twips, in window client coordinates.
struct FormLayoutResult {
  int windowHeight = 0;  // snapped up to the minimum
  int toolbar1Width = 0;
  int toolbarBWidth = 0;
  QRect tabs1, tabs2, fg1, fg2, txtHide, progressBar;
  std::vector<int> errorListColumnWidths;  // columns 0..n-1
  int statusPanel1MinWidth = 0;
};

inline constexpr int kMinWindowHeightTwips = 5000;
inline constexpr double kMinLowerShare = 0.15;
inline constexpr double kMaxLowerShare = 0.85;
inline constexpr int kToolbar1WidthBig = 10410;
inline constexpr int kToolbar1WidthSmall = 6555;

FormLayoutResult ComputeFormLayout(const FormLayoutInput& in);

}  // namespace trellis
