// Where the design stands on the surface a front end draws the board on, and at what zoom: one
// fit for every platform. The desktop windows show the design at its own size in the middle of
// their client area (a wide menu bar or a maximised window leaves a dark surround); the page shows
// it as large as fits, the photograph behind the whole page.
#pragma once

#include "view/render/device_rect.h"
#include "view/window/window_model.h"

namespace pirandella {

// A surface as the platform gives it, all in device pixels.
struct Surface {
    BoxF box;                    // where it lies in the window
    double devicePixelRatio = 1; // device pixels per pixel of the layout, at the design's size
    bool zooms = false;          // the design as large as fits, else at its own size
    bool hovers = true;          // a mouse pointer shows each arrow cell's pointer; else the cells
};

// Where the design stands on the window's device pixels.
struct Placement {
    double devicePixelRatio = 1; // device pixels per layout pixel, the zoom included
    TwipsScale twipsPerPixel;
    int originX = 0, originY = 0;          // the design's corner, layout pixels from the window's
    BoxF area;                             // what the board paints of the window, in layout pixels
    int designWidth = 0, designHeight = 0; // the client area as designed, in layout pixels
    // Where there is no mouse pointer (a touch screen): each shown arrow cell draws its pointer.
    bool arrowsShowPointers = false;
    // The message line's size against the rest, and how far right of its place it starts (layout
    // pixels): where a narrow screen gives the board its width, the line starts under the board's
    // left edge and is made small enough to end within the screen.
    double messageScale = 1;
    double messageShift = 0;
    // The photograph covers the whole area (cropped), not only the design's client area.
    bool photoFillsArea = false;
    // The screen's own device pixel ratio where the design is zoomed beyond it: it picks the
    // photograph (1x at ratio 1, so that a first visit stays small); 0 for the placement's own.
    double screenRatio = 0;
};

// CSS pixels of margin round the design where it is zoomed to fit.
inline constexpr double fitMargin = 4;

Placement FitSurface(const Surface& surface, const WindowModel& w, TwipsScale tpp);

// The frontmost visible element under a point of the window given in device pixels.
ElementRef ElementAtDevicePixel(const WindowModel& w, const Placement& at, double x, double y);

} // namespace pirandella
