// The core's own drawing on the pixels of a Windows DIB section, with the message line's text
// drawn by GDI.
#pragma once

#include "view/raster_canvas.h"
#include "win32/pictures.h"

#include <windows.h>

namespace pirandella {

class DibCanvas : public RasterCanvas {
  public:
    // `dc` is a memory device context used only to draw text; `dpi` the window's.
    DibCanvas(PixelSurface target, HDC dc, Pictures& pictures, int dpi)
        : RasterCanvas(target, pictures.artwork(), pictures), dc_(dc), pictures_(pictures),
          dpi_(dpi) {}

    void drawText(const std::string& utf8, const std::string& fontName, float points, Colour c,
                  double x, double top) override;

  private:
    HDC dc_;
    Pictures& pictures_;
    int dpi_;
};

} // namespace pirandella
