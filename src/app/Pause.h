#pragma once

namespace trellis {

// Waits the given number of seconds while pending events are processed, so the window stays
// live. The wait runs on a monotonic clock: midnight or a clock change never prolongs it.
void Pause(float seconds);

}  // namespace trellis
