#include "view/render/device_rect.h"

#include <algorithm>
#include <cmath>

namespace pirandella {

DeviceRect Covering(const BoxF& b) {
    const int x0 = static_cast<int>(std::floor(b.x)), y0 = static_cast<int>(std::floor(b.y));
    return {x0, y0, static_cast<int>(std::ceil(b.x + b.width)) - x0,
            static_cast<int>(std::ceil(b.y + b.height)) - y0};
}

bool OnWholePixels(const BoxF& b) {
    return b.x == std::floor(b.x) && b.y == std::floor(b.y) && b.width == std::floor(b.width) &&
           b.height == std::floor(b.height);
}

DeviceRect Intersect(const DeviceRect& a, const DeviceRect& b) {
    const int x0 = std::max(a.x, b.x), y0 = std::max(a.y, b.y);
    const int x1 = std::min(a.x + a.width, b.x + b.width);
    const int y1 = std::min(a.y + a.height, b.y + b.height);
    return {x0, y0, std::max(0, x1 - x0), std::max(0, y1 - y0)};
}

} // namespace pirandella
