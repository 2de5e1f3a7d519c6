#include "view/painting.h"

#include <algorithm>
#include <cmath>

namespace pirandella {

namespace {

BoxF Scaled(double x, double y, double width, double height, double dpr) {
    return {x * dpr, y * dpr, width * dpr, height * dpr};
}

// A letter tile fills what its frame encloses. In its place: a red letter over a pale pink shadow
// one frame line below and to the right, on the photograph. Elsewhere: a dark grey letter on
// white, with a grey line along the right column and the bottom row as thick as a frame line.
BoxF Whole(const DeviceRect& r) {
    return {double(r.x), double(r.y), double(r.width), double(r.height)};
}

void PaintTile(Canvas& c, const Outline& letter, bool inPlace, const DeviceRect& box, double dpr) {
    const int line = FrameThickness(dpr);
    c.beginPicture(box);
    if (inPlace) {
        c.fillOutline(letter, inPlaceShadow, box.x + line, box.y + line, dpr, box);
        c.fillOutline(letter, inPlaceLetter, box.x, box.y, dpr, box);
    } else {
        c.fillBox(Whole(box), tileGround);
        c.fillBox(Whole({box.x + box.width - line, box.y, line, box.height}), tileEdge);
        c.fillBox(Whole({box.x, box.y + box.height - line, box.width, line}), tileEdge);
        c.fillOutline(letter, letterColour, box.x, box.y, dpr, box);
    }
    c.endPicture();
}

void PaintPage(Canvas& c, const std::vector<Outline>& page, const DeviceRect& box, double dpr) {
    c.beginPicture(box);
    c.fillBox(Whole(box), pageGround);
    for (const Outline& o : page) c.fillOutline(o, pageText, box.x, box.y, dpr, box);
    c.endPicture();
}

void PaintPicture(Canvas& c, const Picture& p, const Artwork& art, const DeviceRect& box,
                  double dpr) {
    if (box.width <= 0 || box.height <= 0) return;
    const bool tile = p.kind == Picture::LetterInPlace || p.kind == Picture::LetterOutOfPlace;
    const int item = p.letter.number;
    if (tile && item >= 1 && item <= static_cast<int>(art.letters.size()))
        PaintTile(c, art.letters[item - 1], p.kind == Picture::LetterInPlace, box, dpr);
    else if (p.kind == Picture::Instructions)
        PaintPage(c, art.page, box, dpr);
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
    if (e.framed) c.drawFrame(FrameBox(r, dpr), FrameThickness(dpr), frameColour);
}

void PaintLabel(Canvas& c, const LabelElement& e, const PaintSetup& at) {
    if (!e.visible) return;
    const PixelRect r = PixelBounds(e, at.twipsPerPixel);
    const double dpr = at.devicePixelRatio;
    c.drawText(e.caption, e.fontName, e.fontSize, labelColour, (at.originX + r.x) * dpr,
               (at.originY + r.y) * dpr);
}

} // namespace

void PaintWindow(Canvas& c, const WindowModel& w, const Artwork& art, const PaintSetup& at,
                 int marker) {
    const double dpr = at.devicePixelRatio;
    c.fillBox(Scaled(at.area.x, at.area.y, at.area.width, at.area.height, dpr), surroundColour);
    c.drawPhoto(dpr > 1 ? Photo::Background2x : Photo::Background,
                Scaled(at.originX, at.originY, photoWidth, photoHeight, dpr),
                Scaled(at.originX, at.originY, at.designWidth, at.designHeight, dpr));
    // Back to front. (No std::views::reverse: Emscripten's standard library lacks it.)
    const std::vector<ElementRef>& order = StackingOrder();
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        if (it->kind == ElementRef::Message)
            PaintLabel(c, w.message, at);
        else
            PaintImage(c, *ImageOf(w, *it), art, at);
    }
    if (!MarkerShows(w, at.twipsPerPixel, marker)) return;
    const PixelRect cell = PixelBounds(w.arrows[marker], at.twipsPerPixel);
    c.drawMarker(Scaled(at.originX + cell.x, at.originY + cell.y, cell.width, cell.height, dpr));
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
