// The page's test compares its canvas with the core's own renderer (web_reference): linked only
// into the test's build of the site (site.cmake), so that the page a player loads carries no
// renderer of the board that it never uses.
#include "view/painting/raster_canvas.h"
#include "web/window.h"

#include <emscripten/emscripten.h>

using namespace pirandella;

namespace {

// A photograph of one colour: the reference frame leaves the picture out.
struct PlainPhoto : PhotoSource {
    explicit PlainPhoto(std::uint32_t c) : colour(c) {}
    std::uint32_t colour;
    PixelImage image;
    const PixelImage& photo(Photo, int width, int height) override {
        image = {width, height,
                 std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height, colour)};
        return image;
    }
};

} // namespace

extern "C" {

// The same frame as web_paint, painted by the core's own renderer into the canvas's device
// pixels (0xAARRGGBB, premultiplied) on a photograph of one colour (0xRRGGBB): what the page's
// test compares its canvas with (where two grounds give the same pixel, nothing of the
// photograph shows through).
EMSCRIPTEN_KEEPALIVE const std::uint32_t* web_reference(WebGame* w, int width, int height,
                                                        unsigned ground) {
    w->reference = {width, height,
                    std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height)};
    PlainPhoto photo(0xff000000 | ground);
    RasterCanvas canvas(w->reference.surface(), w->art, photo);
    w->midend.paint(canvas, w->art);
    return w->reference.pixels.data();
}

} // extern "C"
