// Where the layout's pixels fall on the screen's device pixels at any display scale (1, 1.25,
// 1.5, 2, ...). Frame lines start on whole device pixels and all have one thickness, so the grid
// is even at fractional scales, and elements that overlap by one pixel still share one line.
#pragma once

#include "view/render/device_rect.h"
#include "view/window/window_model.h"

namespace pirandella {

// The thickness of a one-pixel frame line in device pixels.
int FrameThickness(double devicePixelRatio);
// The first device pixel of a layout pixel (column or row).
int DeviceEdge(int pixel, double devicePixelRatio);
// An element's outer box, frame included: from its first pixel to the end of the frame line on
// its last pixel.
DeviceRect FrameBox(const PixelRect& r, double devicePixelRatio);
// What lies inside the frame, where the element's picture goes.
DeviceRect PictureBox(const PixelRect& r, double devicePixelRatio);

} // namespace pirandella
