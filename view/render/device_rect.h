// Rectangles of device pixels: whole ones, and boxes whose edges may fall between pixels (a
// design edge at display scale 1.5).
#pragma once

namespace pirandella {

struct DeviceRect {
    int x = 0, y = 0, width = 0, height = 0;
    bool operator==(const DeviceRect&) const = default;
};

struct BoxF {
    double x = 0, y = 0, width = 0, height = 0;
    bool operator==(const BoxF&) const = default;
};

// The whole device pixels a box touches, and whether its edges all fall on whole pixels.
DeviceRect Covering(const BoxF& b);
bool OnWholePixels(const BoxF& b);
DeviceRect Intersect(const DeviceRect& a, const DeviceRect& b);

} // namespace pirandella
