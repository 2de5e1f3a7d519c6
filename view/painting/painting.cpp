#include "view/painting/painting.h"

#include "view/painting/pointer_shape.h"
#include "view/render/glyph_font.h"
#include "view/render/outline_file.h"

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
void PaintSquare(Canvas& c, const Square& e, const Artwork& art, const Placement& at) {
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
void PaintMessage(Canvas& c, const MessageLine& e, const Placement& at) {
    if (!e.visible) return;
    const PixelRect r = PixelBounds(e, at.twipsPerPixel);
    const double dpr = at.devicePixelRatio;
    const double size = FontPixels(e, at.twipsPerPixel) * dpr * at.messageScale;
    const TextLine line = LayOutLine(MessageFont(), e.text, size);
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

// The arrow pointer drawn in the middle of an arrow cell, on whole device pixels.
void PaintPointer(Canvas& c, Pointer p, const BoxF& cell, double dpr) {
    const DeviceRect clip = Covering(cell);
    for (int line = 0; line < 2; ++line)
        c.fillOutline({OutlineSet::Shapes, PointerShape(p, line)}, PointerLines(p)[line].colour,
                      std::round(cell.x), std::round(cell.y), dpr, clip);
}

} // namespace

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

std::string ReadArtwork(Artwork& art,
                        const std::function<std::optional<std::string>(const char*)>& bytes) {
    for (const auto& [into, name] : {std::pair{&art.letters, lettersFile}, {&art.page, pageFile}}) {
        const std::optional<std::string> file = bytes(name);
        if (!file) return MissingOutlineFile(name);
        OutlineFile read = ReadOutlineFile(*file, name);
        if (!read.error.empty()) return read.error;
        *into = std::move(read.outlines);
    }
    return {};
}

void PaintWindow(Canvas& c, const WindowModel& w, const Artwork& art, const Placement& at,
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
            PaintMessage(c, w.message, at);
            continue;
        }
        const Square& e = *SquareOf(w, *it);
        PaintSquare(c, e, art, at);
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

bool MarkerShows(const WindowModel& w, TwipsScale tpp, int marker) {
    return marker >= 0 && marker < WindowModel::arrowCount && InSight(w, ArrowRef(marker), tpp);
}

} // namespace pirandella
