// What a front end draws with: a small drawing interface in the window's device pixels. The
// painting of the whole window (painting.h) goes through it; the Qt window implements it on a
// QPainter, the page records it for its 2D canvas, and the core's own raster canvas fills a
// block of pixels with it (the Windows window, the pointers, the tests).
#pragma once

#include "view/render/colour.h"
#include "view/render/device_rect.h"
#include "view/window/window_model.h"

#include <cstdint>

namespace pirandella {

// The pictures a front end keeps ready-made: the background photograph, in its 1x and its
// double-resolution version.
enum class Photo { Background, Background2x };

// The outlines the game fills, named by their set and their place in it: the letters A to Z and
// the instructions page from the outline files, the shapes the core draws itself (shapes.h) and
// the glyphs of the message line's font (MessageFont).
enum class OutlineSet : std::uint8_t { Letters, Page, Shapes, Glyphs };
struct OutlineId {
    OutlineSet set = OutlineSet::Letters;
    int index = 0;
    auto operator<=>(const OutlineId&) const = default;
};

// A picture of one square, named by all that decides its pixels.
struct PictureKey {
    Picture picture;
    int width = 0, height = 0; // device pixels
    double scale = 1;          // device pixels per layout pixel
    auto operator<=>(const PictureKey&) const = default;
};

// Calls come back to front; later calls cover earlier ones.
class Canvas {
  public:
    virtual ~Canvas() = default;
    virtual void fillBox(const BoxF& box, Colour c) = 0;
    // The photograph scaled to fill `box`, only the part inside `clip` shown.
    virtual void drawPhoto(Photo photo, const BoxF& box, const BoxF& clip) = 0;
    // A picture of one square that fills `box`: the calls up to endPicture draw it on a
    // transparent ground, and it is then laid over what is below as one picture. A canvas that
    // kept the picture it drew under the same key may answer false: no drawing calls then come
    // before endPicture, which lays down the kept picture.
    virtual bool beginPicture(const PictureKey& key, const DeviceRect& box) = 0;
    virtual void endPicture() = 0;
    // An outline filled antialiased, its coordinates multiplied by `scale` and put at `origin`,
    // nothing outside `clip`.
    virtual void fillOutline(OutlineId outline, Colour c, double originX, double originY,
                             double scale, const DeviceRect& clip) = 0;
};

} // namespace pirandella
