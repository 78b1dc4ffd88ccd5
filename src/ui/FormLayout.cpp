#include "ui/FormLayout.h"

#include <algorithm>

namespace trellis {

FormLayoutResult ComputeFormLayout(const FormLayoutInput& in) {
  FormLayoutResult r;
  r.windowHeight = std::max(in.windowHeight, kMinWindowHeightTwips);
  // The client area loses as much as the outer height grew.
  const int innerHeight = in.innerHeight + (r.windowHeight - in.windowHeight);

  if (in.toolbarBVisible) {
    r.toolbar1Width = in.bigButtons ? kToolbar1WidthBig : kToolbar1WidthSmall;
    r.toolbarBWidth = in.windowWidth - 165 - in.toolbarBLeft;
  } else {
    r.toolbar1Width = in.windowWidth - 390 - 195;
  }

  const int L = in.leftToolbarWidth;
  const int T = in.toolbarHeight;
  const int S = in.statusBarHeight;
  const int free = innerHeight - T - 90 - S;
  const double share = std::clamp(in.lowerShare, kMinLowerShare, kMaxLowerShare);
  const int lower = int(free * share) - 30;
  const int upper = int(free * (1.0 - share)) - 30;
  const int width = in.innerWidth - 60 - L;
  r.tabs1 = QRect(L + 30, T + 60, width, in.down ? upper : free);
  r.tabs2 = QRect(L + 30, r.tabs1.height() + T + 120, width, lower);

  const int clientTop = r.tabs1.top() + in.tabClientTop;
  const int clientLeft = r.tabs1.left() + in.tabClientLeft;
  const int clientHeight = r.tabs1.height() - in.tabClientHeightLoss;
  const int clientWidth = r.tabs1.width() - in.tabClientWidthLoss;
  r.fg1 = QRect(clientLeft + 30, clientTop + 30, clientWidth - 60, clientHeight - 60);
  // The lower panes fill their own strip, which is as high as the upper one only at half.
  r.fg2 = QRect(clientLeft + 30, clientTop + 30 + r.tabs1.height() + 60, clientWidth - 60,
                r.tabs2.height() - in.tabClientHeightLoss - 60);

  const int columns = in.errorListColumns;
  const int unit = std::max(600, (r.fg2.width() - 600) / (columns + 5));
  r.errorListColumnWidths.assign(size_t(columns), unit);
  r.errorListColumnWidths[0] = 300;
  if (columns > 1) r.errorListColumnWidths[1] = 6 * unit;
  if (columns > 3) r.errorListColumnWidths[3] = 2 * unit;

  r.txtHide = QRect(r.fg1.left() + 15, r.fg1.top() + 15, r.fg1.width() - 30, r.fg1.height() - 30);
  const int progressWidth = in.windowWidth / 4 - 270;
  r.progressBar = QRect(int(in.windowWidth * 0.75) - 135, innerHeight - S + 60, progressWidth, S - 60);
  r.statusPanel1MinWidth = in.windowWidth - progressWidth - 525 - in.statusPanelsMinWidth;
  return r;
}

}  // namespace trellis
