// Filling an outline into a coverage mask: for each device pixel, how much of it the shape
// covers (0 to 255) under the outline's fill rule. A front end whose drawing library does not
// antialias filled shapes blends a colour through the mask instead.
#pragma once

#include "view/render/device_rect.h"
#include "view/render/outline_file.h"

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

// The largest mask, in pixels: a 4K screen's worth and more.
inline constexpr double maxMaskPixels = 4096.0 * 4096.0;

// The outline with its coordinates multiplied by `scale` and put at (originX, originY), over the
// pixels of `clip`. Curves are flattened to within a hundredth of a pixel, in at most 256 pieces
// each; edges are exact across a pixel row and sampled on sixteen lines down it. Any input is
// safe: coordinates are held to a finite range, an outline short of points ends where they do,
// and a clip that is empty or larger than maxMaskPixels gives an empty mask at its corner.
CoverageMask FillCoverage(const Outline& outline, double originX, double originY, double scale,
                          const DeviceRect& clip);

} // namespace pirandella
