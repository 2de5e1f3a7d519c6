#include "win32/dib_canvas.h"

#include "win32/text.h"

#include <algorithm>
#include <cmath>

namespace pirandella {

namespace {

DeviceRect Covering(const BoxF& b) {
    const int x0 = static_cast<int>(std::floor(b.x)), y0 = static_cast<int>(std::floor(b.y));
    return {x0, y0, static_cast<int>(std::ceil(b.x + b.width)) - x0,
            static_cast<int>(std::ceil(b.y + b.height)) - y0};
}

bool Whole(const BoxF& b) {
    return b.x == std::floor(b.x) && b.y == std::floor(b.y) && b.width == std::floor(b.width) &&
           b.height == std::floor(b.height);
}

void AddRoundedBox(Outline& o, const BoxF& b, double radius) {
    constexpr double k = 0.5523; // a quarter circle as one cubic
    const double r = std::min({radius, b.width / 2, b.height / 2}), c = r * (1 - k);
    const double x0 = b.x, y0 = b.y, x1 = b.x + b.width, y1 = b.y + b.height;
    auto line = [&](double x, double y) {
        o.steps.push_back(Outline::Step::Line);
        o.points.push_back({x, y});
    };
    auto corner = [&](OutlinePoint c1, OutlinePoint c2, OutlinePoint end) {
        o.steps.push_back(Outline::Step::Cubic);
        o.points.insert(o.points.end(), {c1, c2, end});
    };
    o.steps.push_back(Outline::Step::Move);
    o.points.push_back({x0 + r, y0});
    line(x1 - r, y0);
    corner({x1 - c, y0}, {x1, y0 + c}, {x1, y0 + r});
    line(x1, y1 - r);
    corner({x1, y1 - c}, {x1 - c, y1}, {x1 - r, y1});
    line(x0 + r, y1);
    corner({x0 + c, y1}, {x0, y1 - c}, {x0, y1 - r});
    line(x0, y0 + r);
    corner({x0, y0 + c}, {x0 + c, y0}, {x0 + r, y0});
}

BoxF Inset(const BoxF& b, double by) {
    return {b.x + by, b.y + by, b.width - 2 * by, b.height - 2 * by};
}

} // namespace

DibCanvas::DibCanvas(PixelSurface target, HDC dc, Pictures& pictures, int dpi)
    : base_(target), dc_(dc), pictures_(pictures), dpi_(dpi) {}

PixelSurface DibCanvas::target() {
    return layers_.empty() ? base_ : layers_.back().image.surface();
}

void DibCanvas::blend(CoverageMask mask, Colour c) {
    mask.box.x -= offsetX();
    mask.box.y -= offsetY();
    PixelSurface s = target();
    BlendMask(s, mask, c);
}

void DibCanvas::fillBox(const BoxF& box, Colour c) {
    if (Whole(box)) {
        PixelSurface s = target();
        Fill(s,
             {static_cast<int>(box.x) - offsetX(), static_cast<int>(box.y) - offsetY(),
              static_cast<int>(box.width), static_cast<int>(box.height)},
             Premultiplied(c));
        return;
    }
    // Edges between pixels: those pixels take their share of the colour.
    Outline o;
    AddRoundedBox(o, box, 0);
    blend(FillCoverage(o, 0, 0, 1, Covering(box)), c);
}

void DibCanvas::drawFrame(const DeviceRect& b, int t, Colour c) {
    PixelSurface s = target();
    const std::uint32_t p = Premultiplied(c);
    const int x = b.x - offsetX(), y = b.y - offsetY();
    Fill(s, {x, y, b.width, t}, p);
    Fill(s, {x, y + b.height - t, b.width, t}, p);
    Fill(s, {x, y + t, t, b.height - 2 * t}, p);
    Fill(s, {x + b.width - t, y + t, t, b.height - 2 * t}, p);
}

void DibCanvas::drawPhoto(Photo photo, const BoxF& box, const BoxF& clip) {
    const DeviceRect at = Covering(box);
    const PixelImage& picture = pictures_.photo(photo, at.width, at.height);
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

void DibCanvas::beginPicture(const DeviceRect& box) {
    layers_.push_back(
        {box,
         {box.width, box.height,
          std::vector<std::uint32_t>(static_cast<std::size_t>(box.width) * box.height)}});
}

void DibCanvas::endPicture() {
    if (layers_.empty()) return;
    Layer done = std::move(layers_.back());
    layers_.pop_back();
    PixelSurface s = target();
    Composite(s, done.image, done.box.x - offsetX(), done.box.y - offsetY());
}

void DibCanvas::fillOutline(const Outline& outline, Colour c, double originX, double originY,
                            double scale, const DeviceRect& clip) {
    blend(FillCoverage(outline, originX, originY, scale, clip), c);
}

void DibCanvas::drawText(const std::string& utf8, const std::string& fontName, float points,
                         Colour c, double x, double top) {
    const double pixels = points * dpi_ / 72.0;
    CoverageMask mask = TextCoverage(dc_, pictures_.font(fontName, pixels), Widen(utf8));
    mask.box.x = static_cast<int>(std::lround(x));
    mask.box.y = static_cast<int>(std::lround(top));
    blend(std::move(mask), c);
}

// A bright ring inside the arrow cell with a faint wash inside it, three pixels of the design
// wide, so the keyboard player sees which cell Enter turns.
void DibCanvas::drawMarker(const BoxF& cell) {
    const double dpr = dpi_ / 96.0;
    const Colour yellow{255, 214, 0};
    Outline wash, ring;
    wash.fill = Outline::Fill::NonZero;
    AddRoundedBox(wash, Inset(cell, 6 * dpr), 1.5 * dpr);
    blend(FillCoverage(wash, 0, 0, 1, Covering(cell)), {255, 214, 0, 60});
    AddRoundedBox(ring, Inset(cell, 3 * dpr), 4.5 * dpr);
    AddRoundedBox(ring, Inset(cell, 6 * dpr), 1.5 * dpr);
    blend(FillCoverage(ring, 0, 0, 1, Covering(cell)), yellow);
}

} // namespace pirandella
