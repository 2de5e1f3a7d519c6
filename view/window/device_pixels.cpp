#include "view/window/device_pixels.h"

#include <algorithm>
#include <cmath>

namespace pirandella {

int FrameThickness(double devicePixelRatio) {
    return std::max(1, static_cast<int>(std::lround(devicePixelRatio)));
}

int DeviceEdge(int pixel, double devicePixelRatio) {
    return static_cast<int>(std::lround(pixel * devicePixelRatio));
}

DeviceRect FrameBox(const PixelRect& r, double devicePixelRatio) {
    const int x = DeviceEdge(r.x, devicePixelRatio), y = DeviceEdge(r.y, devicePixelRatio);
    const int t = FrameThickness(devicePixelRatio);
    return {x, y, DeviceEdge(r.x + r.width - 1, devicePixelRatio) + t - x,
            DeviceEdge(r.y + r.height - 1, devicePixelRatio) + t - y};
}

DeviceRect PictureBox(const PixelRect& r, double devicePixelRatio) {
    const DeviceRect outer = FrameBox(r, devicePixelRatio);
    const int t = FrameThickness(devicePixelRatio);
    return {outer.x + t, outer.y + t, outer.width - 2 * t, outer.height - 2 * t};
}

} // namespace pirandella
