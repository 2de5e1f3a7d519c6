#include "view/painting/raster_canvas.h"

#include "view/painting/pointer_shape.h"

#include <algorithm>
#include <cmath>

namespace pirandella {

namespace {

Outline BoxOutline(const BoxF& b) {
    Outline o;
    o.steps = {Outline::Step::Move, Outline::Step::Line, Outline::Step::Line, Outline::Step::Line};
    o.points = {
        {b.x, b.y}, {b.x + b.width, b.y}, {b.x + b.width, b.y + b.height}, {b.x, b.y + b.height}};
    return o;
}

} // namespace

PixelSurface RasterCanvas::target() {
    return layers_.empty() ? base_ : layers_.back().image.surface();
}

void RasterCanvas::blend(CoverageMask mask, Colour c) {
    mask.box.x -= offsetX();
    mask.box.y -= offsetY();
    PixelSurface s = target();
    BlendMask(s, mask, c);
}

void RasterCanvas::fillBox(const BoxF& box, Colour c) {
    if (OnWholePixels(box)) {
        PixelSurface s = target();
        Fill(s,
             {static_cast<int>(box.x) - offsetX(), static_cast<int>(box.y) - offsetY(),
              static_cast<int>(box.width), static_cast<int>(box.height)},
             Premultiplied(c));
        return;
    }
    // Edges between pixels: those pixels take their share of the colour.
    blend(FillCoverage(BoxOutline(box), 0, 0, 1, Covering(box)), c);
}

void RasterCanvas::drawPhoto(Photo photo, const BoxF& box, const BoxF& clip) {
    const DeviceRect at = Covering(box);
    const PixelImage& picture = photos_.photo(photo, at.width, at.height);
    if (picture.width != at.width || picture.height != at.height) return; // not to be had
    DeviceRect shown = Intersect(at, Covering(clip));
    shown.x -= offsetX();
    shown.y -= offsetY();
    PixelSurface s = target();
    shown = Intersect(shown, s.rect());
    const int fromX = at.x - offsetX(), fromY = at.y - offsetY();
    for (int y = shown.y; y < shown.y + shown.height; ++y) {
        const std::uint32_t* from = picture.pixels.data() +
                                    static_cast<std::size_t>(y - fromY) * picture.width +
                                    (shown.x - fromX);
        std::copy(from, from + shown.width,
                  s.pixels + static_cast<std::size_t>(y) * s.width + shown.x);
    }
}

bool RasterCanvas::beginPicture(const PictureKey&, const DeviceRect& box) {
    layers_.push_back(
        {box,
         {box.width, box.height,
          std::vector<std::uint32_t>(static_cast<std::size_t>(box.width) * box.height)}});
    return true;
}

void RasterCanvas::endPicture() {
    if (layers_.empty()) return;
    Layer done = std::move(layers_.back());
    layers_.pop_back();
    PixelSurface s = target();
    Composite(s, done.image, done.box.x - offsetX(), done.box.y - offsetY());
}

void RasterCanvas::fillOutline(OutlineId id, Colour c, double originX, double originY, double scale,
                               const DeviceRect& clip) {
    if (const Outline* outline = art_.find(id))
        blend(FillCoverage(*outline, originX, originY, scale, clip), c);
}

PixelImage PointerPicture(Pointer p, double scale) {
    const int side = static_cast<int>(std::lround(pointerSize * scale));
    PixelImage image{side, side, std::vector<std::uint32_t>(static_cast<std::size_t>(side) * side)};
    PixelSurface s = image.surface();
    for (const PointerLine& line : PointerLines(p))
        BlendMask(s, FillCoverage(PixelLineOutline(line, scale), 0, 0, 1, s.rect()), line.colour);
    return image;
}

} // namespace pirandella
