// Filling an outline into a coverage mask: for each device pixel, how much of it the shape
// covers (0 to 255) under the outline's fill rule. A front end whose drawing library does not
// antialias filled shapes blends a colour through the mask instead.
#pragma once

#include "view/device_pixels.h"
#include "view/outlines.h"

#include <cstdint>
#include <vector>

namespace pirandella {

struct CoverageMask {
    DeviceRect box;                  // the device pixels the mask covers
    std::vector<std::uint8_t> alpha; // box.width x box.height, row by row from the top
    std::uint8_t at(int x, int y) const {
        return alpha[static_cast<std::size_t>(y) * box.width + x];
    }
};

// The outline with its coordinates multiplied by `scale` and put at (originX, originY), over the
// pixels of `clip`. Curves are flattened to within a hundredth of a pixel; edges are exact across a
// pixel row and sampled on sixteen lines down it.
CoverageMask FillCoverage(const Outline& outline, double originX, double originY, double scale,
                          const DeviceRect& clip);

} // namespace pirandella
