// The board for the page's 2D canvas: where the design stands on it, the painting as a list of
// calls (paint_list.h) and the outlines those calls fill, as the canvas's paths; the arrow cells'
// pointers. The same frame painted by the core's own renderer, for the page's test, is in
// reference.cpp.
#include "view/painting/pointer_shape.h"
#include "web/window.h"

#include <emscripten/emscripten.h>

using namespace pirandella;

namespace {

// An outline's steps as numbers (paint_list.h): the core's own, so the canvas fills the same shape.
struct PathNumbers {
    WebGame& w;
    void moveTo(double x, double y) { w.more(0, x, y); }
    void lineTo(double x, double y) { w.more(1, x, y); }
    void cubicTo(double x1, double y1, double x2, double y2, double x, double y) {
        w.more(2, x1, y1, x2, y2, x, y);
    }
};

} // namespace

extern "C" {

// The design laid out on a canvas of the given device pixels (no hover: the arrow cells draw
// their pointers), as the numbers placeFields names: its scale in device pixels per layout pixel,
// its corner and size in layout pixels, and the message line's scale and shift against the rest.
EMSCRIPTEN_KEEPALIVE const double* web_place(WebGame* w, double devicePixelRatio, double width,
                                             double height, int noHover) {
    w->midend.setSurface({BoxF{0, 0, width, height}, devicePixelRatio, true, noHover == 0});
    const Placement& at = w->midend.placement();
    w->answer();
    return w->record<placeFields>(at.devicePixelRatio, at.originX, at.originY, at.designWidth,
                                  at.designHeight, at.messageScale, at.messageShift);
}

// The whole board painted as placed, as the list of numbers of paint_list.h after their count.
// The keyboard's marker stays in sight while the menu bar has the keys: where they come back to.
EMSCRIPTEN_KEEPALIVE const double* web_paint(WebGame* w) {
    w->paint.numbers.assign(1, 0);
    w->midend.paint(w->paint, w->art);
    return Counted(w->paint.numbers);
}

// An outline of a set (OutlineSet) as the numbers of its path (paint_list.h); none (0) where the
// set has no such outline.
EMSCRIPTEN_KEEPALIVE const double* web_outline(WebGame* w, int set, int index) {
    const Outline* o = w->art.find({static_cast<OutlineSet>(set), index});
    if (!o) return nullptr;
    w->answer();
    w->more(o->fill);
    PathNumbers numbers{*w};
    TraceOutline(*o, numbers);
    return w->numbers.data();
}

// An arrow pointer's picture at a whole display scale (the page asks for 1 and 2; another is
// taken down to a whole one, from 1 to 8), drawn by the core: the numbers pointerFields names (its
// side and its tip, the hot spot), then its pixels, 0xAARRGGBB, not premultiplied. At whole scales
// the core needs no rasteriser for it, and the page's WebAssembly carries none.
EMSCRIPTEN_KEEPALIVE const double* web_pointer_picture(WebGame* w, int pointer, double scale) {
    const auto p = static_cast<Pointer>(pointer);
    const PixelImage picture = WholeScalePointerPicture(p, scale >= 8   ? 8
                                                           : scale >= 1 ? static_cast<int>(scale)
                                                                        : 1);
    w->answer();
    w->record<pointerFields>(picture.width, PointerTip(p).x, PointerTip(p).y);
    for (const std::uint32_t pixel : picture.pixels) w->more(Unpremultiplied(pixel));
    return w->numbers.data();
}

} // extern "C"
