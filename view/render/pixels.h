// A block of 32-bit pixels, each 0xAARRGGBB with the colour premultiplied by alpha: in memory
// blue, green, red, alpha, as a Windows DIB section and Qt's premultiplied ARGB32 images hold
// them. The drawing below is plain arithmetic on those pixels, so the picture is the same on
// every machine.
#pragma once

#include "view/render/colour.h"
#include "view/render/coverage_raster.h"

#include <cstdint>
#include <vector>

namespace pirandella {

struct PixelSurface {
    int width = 0, height = 0;
    std::uint32_t* pixels = nullptr; // width x height, rows from the top; not owned
    DeviceRect rect() const { return {0, 0, width, height}; }
};

// A surface that owns its pixels.
struct PixelImage {
    int width = 0, height = 0;
    std::vector<std::uint32_t> pixels;
    PixelSurface surface() { return {width, height, pixels.data()}; }
};

std::uint32_t Premultiplied(Colour c);
// A pixel's colour no longer multiplied by its alpha (rounded to nearest), as pointer pictures
// are handed to Windows and to a browser's cursors.
std::uint32_t Unpremultiplied(std::uint32_t pixel);

void Fill(PixelSurface& s, const DeviceRect& r, std::uint32_t pixel);
// Lays the colour over the surface through a coverage mask (each pixel's share of it).
void BlendMask(PixelSurface& s, const CoverageMask& mask, Colour c);
// Lays one picture over another, its top-left corner at (x, y).
void Composite(PixelSurface& s, const PixelImage& picture, int x, int y);
// A picture resampled to a new size (bilinear, from the pixel centres).
PixelImage Resample(const PixelImage& from, int width, int height);

} // namespace pirandella
