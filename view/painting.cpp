#include "view/painting.h"

#include "view/glyph_font.h"
#include "view/pointer_shape.h"

#include <algorithm>
#include <cmath>

namespace pirandella {

namespace {

BoxF Scaled(double x, double y, double width, double height, double dpr) {
    return {x * dpr, y * dpr, width * dpr, height * dpr};
}

BoxF Whole(const DeviceRect& r) {
    return {double(r.x), double(r.y), double(r.width), double(r.height)};
}

// A frame line of the given thickness along the inside of each edge of the box.
void PaintFrame(Canvas& c, const DeviceRect& b, int t) {
    c.fillBox(Whole({b.x, b.y, b.width, t}), frameColour);
    c.fillBox(Whole({b.x, b.y + b.height - t, b.width, t}), frameColour);
    c.fillBox(Whole({b.x, b.y + t, t, b.height - 2 * t}), frameColour);
    c.fillBox(Whole({b.x + b.width - t, b.y + t, t, b.height - 2 * t}), frameColour);
}

// A letter tile fills what its frame encloses. In its place: a red letter over a pale pink shadow
// one frame line below and to the right, on the photograph. Elsewhere: a dark grey letter on
// white, with a grey line along the right column and the bottom row as thick as a frame line.
void PaintTile(Canvas& c, OutlineId letter, bool inPlace, const DeviceRect& box, double dpr) {
    const int line = FrameThickness(dpr);
    if (inPlace) {
        c.fillOutline(letter, inPlaceShadow, box.x + line, box.y + line, dpr, box);
        c.fillOutline(letter, inPlaceLetter, box.x, box.y, dpr, box);
    } else {
        c.fillBox(Whole(box), tileGround);
        c.fillBox(Whole({box.x + box.width - line, box.y, line, box.height}), tileEdge);
        c.fillBox(Whole({box.x, box.y + box.height - line, box.width, line}), tileEdge);
        c.fillOutline(letter, letterColour, box.x, box.y, dpr, box);
    }
}

void PaintPage(Canvas& c, const Artwork& art, const DeviceRect& box, double dpr) {
    c.fillBox(Whole(box), pageGround);
    for (int i = 0; i < static_cast<int>(art.page.size()); ++i)
        c.fillOutline({OutlineSet::Page, i}, pageText, box.x, box.y, dpr, box);
}

void PaintPicture(Canvas& c, const Picture& p, const Artwork& art, const DeviceRect& box,
                  double dpr) {
    if (box.width <= 0 || box.height <= 0) return;
    const bool tile = p.kind == Picture::LetterInPlace || p.kind == Picture::LetterOutOfPlace;
    const int item = p.letter.number;
    const bool known = tile ? item >= 1 && item <= static_cast<int>(art.letters.size())
                            : p.kind == Picture::Instructions;
    if (!known) return;
    if (c.beginPicture({p, box.width, box.height, dpr}, box)) {
        if (tile)
            PaintTile(c, {OutlineSet::Letters, item - 1}, p.kind == Picture::LetterInPlace, box,
                      dpr);
        else
            PaintPage(c, art, box, dpr);
    }
    c.endPicture();
}

// The element's pixels are counted from the window's corner, so that its frame lines start on
// whole device pixels of the window wherever the design stands in it.
void PaintImage(Canvas& c, const ImageElement& e, const Artwork& art, const PaintSetup& at) {
    if (!e.visible) return;
    PixelRect r = PixelBounds(e, at.twipsPerPixel);
    r.x += at.originX;
    r.y += at.originY;
    const double dpr = at.devicePixelRatio;
    PaintPicture(c, e.picture, art, PictureBox(r, dpr), dpr);
    if (e.framed) PaintFrame(c, FrameBox(r, dpr), FrameThickness(dpr));
}

// The caption's glyphs from the top-left corner of its line box, the baseline on a whole device
// pixel so that the letters' feet stay sharp.
void PaintLabel(Canvas& c, const LabelElement& e, const PaintSetup& at) {
    if (!e.visible) return;
    const PixelRect r = PixelBounds(e, at.twipsPerPixel);
    const double dpr = at.devicePixelRatio;
    const double size = FontPixels(e, at.twipsPerPixel) * dpr * at.messageScale;
    const TextLine line = LayOutLine(MessageFont(), e.caption, size);
    const double x = (at.originX + r.x + at.messageShift) * dpr;
    const double baseline = std::round((at.originY + r.y) * dpr + line.ascent);
    const DeviceRect clip =
        Covering(Scaled(at.area.x, at.area.y, at.area.width, at.area.height, dpr));
    for (const PlacedGlyph& g : line.glyphs)
        c.fillOutline({OutlineSet::Glyphs, static_cast<int>(g.glyph)}, labelColour, x + g.x,
                      baseline, size, clip);
}

// A bright ring inside the arrow cell with a faint wash inside it, so the keyboard player sees
// which cell Enter turns.
void PaintMarker(Canvas& c, const BoxF& cell, double dpr) {
    const DeviceRect clip = Covering(cell);
    c.fillOutline({OutlineSet::Shapes, markerWash}, markerWashColour, cell.x, cell.y, dpr, clip);
    c.fillOutline({OutlineSet::Shapes, markerRing}, markerColour, cell.x, cell.y, dpr, clip);
}

// A box with rounded corners as one contour, each corner a quarter circle in one cubic.
void AddRoundedBox(Outline& o, double inset, double radius) {
    constexpr double k = 0.5523, side = markerCellPixels;
    const double c = radius * (1 - k), x0 = inset, y0 = inset, x1 = side - inset, y1 = side - inset;
    const auto add = [&o](Outline::Step step, std::initializer_list<OutlinePoint> points) {
        o.steps.push_back(step);
        o.points.insert(o.points.end(), points);
    };
    add(Outline::Step::Move, {{x0 + radius, y0}});
    add(Outline::Step::Line, {{x1 - radius, y0}});
    add(Outline::Step::Cubic, {{x1 - c, y0}, {x1, y0 + c}, {x1, y0 + radius}});
    add(Outline::Step::Line, {{x1, y1 - radius}});
    add(Outline::Step::Cubic, {{x1, y1 - c}, {x1 - c, y1}, {x1 - radius, y1}});
    add(Outline::Step::Line, {{x0 + radius, y1}});
    add(Outline::Step::Cubic, {{x0 + c, y1}, {x0, y1 - c}, {x0, y1 - radius}});
    add(Outline::Step::Line, {{x0, y0 + radius}});
    add(Outline::Step::Cubic, {{x0, y0 + c}, {x0 + c, y0}, {x0 + radius, y0}});
}

// The arrow pointer drawn in the middle of an arrow cell, on whole device pixels.
void PaintPointer(Canvas& c, Pointer p, const BoxF& cell, double dpr) {
    const DeviceRect clip = Covering(cell);
    for (int line = 0; line < 2; ++line)
        c.fillOutline({OutlineSet::Shapes, PointerShape(p, line)}, PointerLines(p)[line].colour,
                      std::round(cell.x), std::round(cell.y), dpr, clip);
}

} // namespace

DeviceRect Covering(const BoxF& b) {
    const int x0 = static_cast<int>(std::floor(b.x)), y0 = static_cast<int>(std::floor(b.y));
    return {x0, y0, static_cast<int>(std::ceil(b.x + b.width)) - x0,
            static_cast<int>(std::ceil(b.y + b.height)) - y0};
}

bool OnWholePixels(const BoxF& b) {
    return b.x == std::floor(b.x) && b.y == std::floor(b.y) && b.width == std::floor(b.width) &&
           b.height == std::floor(b.height);
}

std::vector<Outline> Shapes() {
    std::vector<Outline> shapes(2);
    for (const Pointer p :
         {Pointer::ArrowDown, Pointer::ArrowLeft, Pointer::ArrowRight, Pointer::ArrowUp})
        for (const PointerLine& line : PointerLines(p))
            shapes.push_back(PixelLineOutline(line, 1, (markerCellPixels - pointerSize) / 2));
    AddRoundedBox(shapes[markerWash], 6, 1.5); // three pixels wide, inside the cell's frame
    AddRoundedBox(shapes[markerRing], 3, 4.5);
    AddRoundedBox(shapes[markerRing], 6, 1.5);
    return shapes;
}

const Outline* Artwork::find(OutlineId id) const {
    if (id.set == OutlineSet::Glyphs) {
        const std::vector<Glyph>& glyphs = MessageFont().glyphs;
        const bool in = id.index >= 0 && id.index < static_cast<int>(glyphs.size());
        return in ? &glyphs[id.index].outline : nullptr;
    }
    const std::vector<Outline>& set = id.set == OutlineSet::Letters ? letters
                                      : id.set == OutlineSet::Page  ? page
                                                                    : shapes;
    return id.index >= 0 && id.index < static_cast<int>(set.size()) ? &set[id.index] : nullptr;
}

void PaintWindow(Canvas& c, const WindowModel& w, const Artwork& art, const PaintSetup& at,
                 int marker) {
    const double dpr = at.devicePixelRatio;
    c.fillBox(Scaled(at.area.x, at.area.y, at.area.width, at.area.height, dpr), surroundColour);
    const BoxF area = Scaled(at.area.x, at.area.y, at.area.width, at.area.height, dpr);
    const Photo photo =
        (at.screenRatio > 0 ? at.screenRatio : dpr) > 1 ? Photo::Background2x : Photo::Background;
    if (at.photoFillsArea) {
        const double k = std::max({dpr, area.width / photoWidth, area.height / photoHeight});
        c.drawPhoto(photo,
                    {area.x + (area.width - photoWidth * k) / 2,
                     area.y + (area.height - photoHeight * k) / 2, photoWidth * k, photoHeight * k},
                    area);
    } else {
        c.drawPhoto(photo, Scaled(at.originX, at.originY, photoWidth, photoHeight, dpr),
                    Scaled(at.originX, at.originY, at.designWidth, at.designHeight, dpr));
    }
    // Back to front. (No std::views::reverse: Emscripten's standard library lacks it.)
    const std::vector<ElementRef>& order = StackingOrder();
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        if (it->kind == ElementRef::Message) {
            PaintLabel(c, w.message, at);
            continue;
        }
        const ImageElement& e = *ImageOf(w, *it);
        PaintImage(c, e, art, at);
        if (at.arrowsShowPointers && e.visible && e.pointer != Pointer::Default) {
            const PixelRect r = PixelBounds(e, at.twipsPerPixel);
            PaintPointer(c, e.pointer,
                         Scaled(at.originX + r.x, at.originY + r.y, r.width, r.height, dpr), dpr);
        }
    }
    if (!MarkerShows(w, at.twipsPerPixel, marker)) return;
    const PixelRect cell = PixelBounds(w.arrows[marker], at.twipsPerPixel);
    PaintMarker(c, Scaled(at.originX + cell.x, at.originY + cell.y, cell.width, cell.height, dpr),
                dpr);
}

PaintSetup CentredSetup(TwipsScale twipsPerPixel, double devicePixelRatio, BoxF area,
                        int designWidth, int designHeight) {
    PaintSetup at;
    at.devicePixelRatio = devicePixelRatio;
    at.twipsPerPixel = twipsPerPixel;
    at.originX =
        static_cast<int>(area.x) + std::max(0, (static_cast<int>(area.width) - designWidth) / 2);
    at.originY =
        static_cast<int>(area.y) + std::max(0, (static_cast<int>(area.height) - designHeight) / 2);
    at.area = area;
    at.designWidth = designWidth;
    at.designHeight = designHeight;
    return at;
}

ElementRef ElementAtDevicePixel(const WindowModel& w, const PaintSetup& at, double x, double y) {
    const double dpr = at.devicePixelRatio;
    return HitTest(w, static_cast<int>(std::floor(x / dpr - at.originX)),
                   static_cast<int>(std::floor(y / dpr - at.originY)), at.twipsPerPixel);
}

bool MarkerShows(const WindowModel& w, TwipsScale tpp, int marker) {
    return marker >= 0 && marker < WindowModel::arrowCount &&
           InSight(w, {ElementRef::Arrow, marker}, tpp);
}

} // namespace pirandella
