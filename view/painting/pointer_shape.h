// The arrow cells' mouse pointers: a hollow block arrow in a 16 x 16 cell, a black outline with a
// light grey line inside, pointing the way the cell's line turns. Every front end draws it at the
// screen's own scale from these lines, through pixel centres, one pixel wide.
#pragma once

#include "view/render/colour.h"
#include "view/render/outline_file.h"
#include "view/render/pixels.h"
#include "view/window/window_model.h"

#include <array>

namespace pirandella {

inline constexpr int pointerSize = 16; // pixels of the layout

struct PointerLine {
    std::array<OutlinePoint, 8> points; // a closed polyline, in pixels from the cell's corner
    Colour colour;
};

// The outline first, then the inner line.
std::array<PointerLine, 2> PointerLines(Pointer p);
// A line one pixel of the design wide through the centres of its points, as the layout pixels it
// passes through (each `scale` device pixels square), moved right and down by `offset` layout
// pixels: the pointers' lines run across, down or at 45 degrees, so each step along one goes to
// the next pixel. The non-zero rule joins the pixels into one shape.
Outline PixelLineOutline(const PointerLine& line, double scale, double offset = 0);
// The pointer's picture at a whole display scale, where each pixel of the design's lines is a
// whole block of device pixels: the same picture as the rasteriser's (PointerPicture, in
// raster_canvas.h), drawn by setting those blocks, so that a front end drawing the pointer only
// at whole scales (the page: 1 and 2) needs no rasteriser.
PixelImage WholeScalePointerPicture(Pointer p, int scale);
// The pixel at the arrow's tip: the pointer's hot spot.
OutlinePoint PointerTip(Pointer p);
// The tip's device pixel in a pointer drawn at a display scale.
OutlinePoint PointerTipAt(Pointer p, double devicePixelRatio);

} // namespace pirandella
