// The board painted off the screen and then copied onto it in one go, so that a repaint never
// shows half a board: the core's raster canvas fills a 32-bit bitmap in memory the size of the
// client area, kept between paints, and Windows copies it onto the window as a DIB.
#pragma once

#include "ui/midend.h"
#include "win32/pictures.h"

#include <windows.h>

namespace pirandella {

class BackBuffer {
  public:
    // The game onto `dc`, whose area is `size` device pixels.
    void paint(HDC dc, SIZE size, const Midend& game, Pictures& pictures, bool boardHasKeys);

  private:
    PixelImage pixels_;
};

} // namespace pirandella
