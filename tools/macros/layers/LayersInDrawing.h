#pragma once

#include "automation/Dispatch.h"
#include "macros/layers/LayerDrawing.h"

namespace trellis::macros {

// Makes Layer hold exactly Drawing: the layer is made when missing, what it held is erased,
// and the new objects are drawn on it (texts and circles in the drawing's plane). The current
// layer of the drawing stays what it was. Calls go to the host a hundred at a time. Throws
// AutomationError when the host fails.
void DrawOnLayer(Dispatch& document, const QString& layer, const LayerDrawing& drawing);

// The service layers describe the scheme as it was: they are erased and removed, so that the
// layer switches draw them afresh when next switched on.
void ForgetServiceLayers(Dispatch& document);

}  // namespace trellis::macros
