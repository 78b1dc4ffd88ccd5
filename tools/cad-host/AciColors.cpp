#include "cad-host/AciColors.h"

namespace trellis::cadhost {

QColor AciColor(int index) {
  switch (index) {
    case 1:
      return QColor(255, 0, 0);
    case 2:
      return QColor(255, 255, 0);
    case 3:
      return QColor(0, 255, 0);
    case 4:
      return QColor(0, 255, 255);
    case 5:
      return QColor(0, 0, 255);
    case 6:
      return QColor(255, 0, 255);
    case 8:
      return QColor(128, 128, 128);
    case 9:
      return QColor(192, 192, 192);
    default:
      break;
  }
  if (index >= 10 && index <= 249) {
    // Ten shades per hue: five brightness steps, each full and pale.
    static constexpr double kValues[] = {1.0, 0.8, 0.6, 0.5, 0.3};
    const int hue = (index / 10 - 1) * 15;
    const int shade = index % 10;
    return QColor::fromHsvF(hue / 360.0, shade % 2 ? 0.5 : 1.0, kValues[shade / 2]);
  }
  if (index >= 250 && index <= 255) {
    static constexpr int kGreys[] = {51, 91, 132, 173, 214, 255};
    const int grey = kGreys[index - 250];
    return QColor(grey, grey, grey);
  }
  return QColor(255, 255, 255);
}

}  // namespace trellis::cadhost
