#include "view/window/surface_fit.h"

#include <algorithm>
#include <cmath>

namespace pirandella {

namespace {

// A whole number of layout pixels from device pixels that a front end got by multiplying them:
// a division that lands a hair below the whole number still counts as it.
int WholeLayoutPixels(double device, double ratio) {
    return static_cast<int>(std::floor(device / ratio + 1e-6));
}

// Layout pixels from device pixels, to a millionth of a pixel, so that a place a front end
// multiplied by its ratio comes back as it was.
double LayoutPixels(double device, double ratio) {
    return std::round(device / ratio * 1e6) / 1e6;
}

// What the player must see, in layout pixels: the board with a row of arrow cells on each side
// (shown or not, so the board keeps its size when solved), the message line's height (its width
// is fitted on its own) and the instructions page while it is shown.
BoxF MustBeSeen(const WindowModel& w, TwipsScale tpp) {
    double x0 = 1e9, y0 = 1e9, x1 = -1e9, y1 = -1e9;
    const auto add = [&](PixelRect r, int grow) {
        x0 = std::min<double>(x0, r.x - grow);
        y0 = std::min<double>(y0, r.y - grow);
        x1 = std::max<double>(x1, r.x + r.width + grow);
        y1 = std::max<double>(y1, r.y + r.height + grow);
    };
    const int pitch = PixelBounds(w.tiles[1], tpp).x - PixelBounds(w.tiles[0], tpp).x;
    for (const Square& tile : w.tiles)
        if (tile.visible) add(PixelBounds(tile, tpp), pitch);
    if (w.page.visible) add(PixelBounds(w.page, tpp), 0);
    if (w.message.visible) { // its height, under the board
        PixelRect line = PixelBounds(w.message, tpp);
        line.x = static_cast<int>(x0);
        line.width = 0;
        add(line, 0);
    }
    return {x0, y0, x1 - x0, y1 - y0};
}

// The design at its own size in the middle of the surface, never left of or above its corner.
Placement Centred(const Surface& s, int designWidth, int designHeight) {
    const double r = s.devicePixelRatio;
    Placement at;
    at.devicePixelRatio = r;
    at.area = {LayoutPixels(s.box.x, r), LayoutPixels(s.box.y, r), LayoutPixels(s.box.width, r),
               LayoutPixels(s.box.height, r)};
    at.originX = WholeLayoutPixels(s.box.x, r) +
                 std::max(0, (WholeLayoutPixels(s.box.width, r) - designWidth) / 2);
    at.originY = WholeLayoutPixels(s.box.y, r) +
                 std::max(0, (WholeLayoutPixels(s.box.height, r) - designHeight) / 2);
    return at;
}

// What must be seen as large as fits, in the middle; the photograph behind all of it. The
// message line as large as the board where it fits on the screen from its own place, else from
// under the board's left edge, and smaller where it must be.
Placement Zoomed(const Surface& s, const WindowModel& w, TwipsScale tpp) {
    const BoxF fit = MustBeSeen(w, tpp);
    const double cssWidth = s.box.width / s.devicePixelRatio;
    const double cssHeight = s.box.height / s.devicePixelRatio;
    const double zoom = std::max(0.25, std::min((cssWidth - 2 * fitMargin) / fit.width,
                                                (cssHeight - 2 * fitMargin) / fit.height));
    Placement at;
    at.devicePixelRatio = s.devicePixelRatio * zoom;
    at.originX = static_cast<int>(std::lround((cssWidth / zoom - fit.width) / 2 - fit.x));
    at.originY = static_cast<int>(std::lround((cssHeight / zoom - fit.height) / 2 - fit.y));
    at.area = {s.box.x / at.devicePixelRatio, s.box.y / at.devicePixelRatio,
               s.box.width / at.devicePixelRatio, s.box.height / at.devicePixelRatio};
    const PixelRect line = PixelBounds(w.message, tpp);
    const double left = -at.originX + fitMargin / zoom, right = (cssWidth - fitMargin) / zoom;
    at.messageShift = std::max(0.0, left - line.x);
    const double room = right - (at.originX + line.x + at.messageShift);
    if (line.width > 0) at.messageScale = std::clamp(room / line.width, 0.5, 1.0);
    at.photoFillsArea = true;
    at.screenRatio = s.devicePixelRatio;
    return at;
}

} // namespace

Placement FitSurface(const Surface& surface, const WindowModel& w, TwipsScale tpp) {
    const PixelRect design = ClientBounds(w.outer, tpp);
    Placement at =
        surface.zooms ? Zoomed(surface, w, tpp) : Centred(surface, design.width, design.height);
    at.twipsPerPixel = tpp;
    at.designWidth = design.width;
    at.designHeight = design.height;
    at.arrowsShowPointers = !surface.hovers;
    return at;
}

ElementRef ElementAtDevicePixel(const WindowModel& w, const Placement& at, double x, double y) {
    const double r = at.devicePixelRatio;
    return HitTest(w, static_cast<int>(std::floor(x / r - at.originX)),
                   static_cast<int>(std::floor(y / r - at.originY)), at.twipsPerPixel);
}

} // namespace pirandella
