#pragma once

#include <QColor>

namespace trellis::cadhost {

// The colour a CAD colour index stands for on a dark screen (1 red ... 7 white, 8 and 9 greys,
// then hue blocks of ten and the greys 250-255).
QColor AciColor(int index);

}  // namespace trellis::cadhost
