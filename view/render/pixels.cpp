#include "view/render/pixels.h"

#include <algorithm>
#include <cmath>

namespace pirandella {

namespace {

std::uint32_t Pack(std::uint32_t b, std::uint32_t g, std::uint32_t r, std::uint32_t a) {
    return b | g << 8 | r << 16 | a << 24;
}

std::uint32_t Channel(std::uint32_t p, int shift) {
    return p >> shift & 0xff;
}

// src over dst, both premultiplied.
std::uint32_t Over(std::uint32_t src, std::uint32_t dst) {
    const std::uint32_t keep = 255 - Channel(src, 24);
    if (keep == 0) return src;
    std::uint32_t out = 0;
    for (int shift = 0; shift < 32; shift += 8)
        out |= (Channel(src, shift) + (Channel(dst, shift) * keep + 127) / 255) << shift;
    return out;
}

// A colour taken to a share of itself, 0 to 255.
std::uint32_t Scaled(std::uint32_t p, std::uint32_t share) {
    std::uint32_t out = 0;
    for (int shift = 0; shift < 32; shift += 8)
        out |= ((Channel(p, shift) * share + 127) / 255) << shift;
    return out;
}

} // namespace

std::uint32_t Premultiplied(Colour c) {
    auto pm = [&](std::uint8_t v) { return (static_cast<std::uint32_t>(v) * c.a + 127) / 255; };
    return Pack(pm(c.b), pm(c.g), pm(c.r), c.a);
}

std::uint32_t Unpremultiplied(std::uint32_t p) {
    const std::uint32_t a = p >> 24;
    std::uint32_t straight = p & 0xff000000;
    for (int shift = 0; shift < 24 && a; shift += 8)
        straight |= std::min<std::uint32_t>(255, ((p >> shift & 0xff) * 255 + a / 2) / a) << shift;
    return straight;
}

void Fill(PixelSurface& s, const DeviceRect& r, std::uint32_t pixel) {
    const DeviceRect in = Intersect(r, s.rect());
    for (int y = in.y; y < in.y + in.height; ++y) {
        std::uint32_t* row = s.pixels + static_cast<std::size_t>(y) * s.width;
        for (int x = in.x; x < in.x + in.width; ++x) row[x] = Over(pixel, row[x]);
    }
}

void BlendMask(PixelSurface& s, const CoverageMask& mask, Colour c) {
    const std::uint32_t colour = Premultiplied(c);
    const DeviceRect in = Intersect(mask.box, s.rect());
    for (int y = in.y; y < in.y + in.height; ++y) {
        std::uint32_t* row = s.pixels + static_cast<std::size_t>(y) * s.width;
        for (int x = in.x; x < in.x + in.width; ++x)
            if (const std::uint8_t a = mask.at(x - mask.box.x, y - mask.box.y))
                row[x] = Over(Scaled(colour, a), row[x]);
    }
}

void Composite(PixelSurface& s, const PixelImage& picture, int x, int y) {
    const DeviceRect in = Intersect({x, y, picture.width, picture.height}, s.rect());
    for (int row = in.y; row < in.y + in.height; ++row) {
        std::uint32_t* out = s.pixels + static_cast<std::size_t>(row) * s.width;
        const std::uint32_t* from =
            picture.pixels.data() + static_cast<std::size_t>(row - y) * picture.width - x;
        for (int col = in.x; col < in.x + in.width; ++col) out[col] = Over(from[col], out[col]);
    }
}

PixelImage Resample(const PixelImage& from, int width, int height) {
    PixelImage to{width, height,
                  std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height)};
    if (from.width == 0 || from.height == 0) return to;
    const double sx = static_cast<double>(from.width) / width;
    const double sy = static_cast<double>(from.height) / height;
    auto at = [&](int x, int y) {
        x = std::clamp(x, 0, from.width - 1);
        y = std::clamp(y, 0, from.height - 1);
        return from.pixels[static_cast<std::size_t>(y) * from.width + x];
    };
    for (int y = 0; y < height; ++y) {
        const double fy = (y + 0.5) * sy - 0.5;
        const int y0 = static_cast<int>(std::floor(fy));
        const double wy = fy - y0;
        for (int x = 0; x < width; ++x) {
            const double fx = (x + 0.5) * sx - 0.5;
            const int x0 = static_cast<int>(std::floor(fx));
            const double wx = fx - x0;
            const std::uint32_t p[4] = {at(x0, y0), at(x0 + 1, y0), at(x0, y0 + 1),
                                        at(x0 + 1, y0 + 1)};
            const double w[4] = {(1 - wx) * (1 - wy), wx * (1 - wy), (1 - wx) * wy, wx * wy};
            std::uint32_t out = 0;
            for (int shift = 0; shift < 32; shift += 8) {
                double v = 0;
                for (int i = 0; i < 4; ++i) v += w[i] * Channel(p[i], shift);
                out |= static_cast<std::uint32_t>(std::lround(v)) << shift;
            }
            to.pixels[static_cast<std::size_t>(y) * width + x] = out;
        }
    }
    return to;
}

} // namespace pirandella
