#pragma once

#include <QtMath>

namespace trellis {

// Window sizes are designed in twips: 1440 to the inch, so 15 to a pixel at 96 dots per inch.
inline int TwipsToPixels(int twips, qreal dpi) { return qRound(twips * dpi / 1440.0); }
inline int PixelsToTwips(int pixels, qreal dpi) { return qRound(pixels * 1440.0 / dpi); }

}  // namespace trellis
