// The drawing interface on a Windows DIB section: the window is painted into 32-bit pixels and
// then shown in one piece. Pictures of elements are drawn on a transparent layer of their own
// and laid over what is below when they are done.
#pragma once

#include "view/painting.h"
#include "win32/pictures.h"
#include "win32/pixel_surface.h"

#include <windows.h>

#include <vector>

namespace pirandella {

class DibCanvas : public Canvas {
  public:
    // `dc` is a memory device context used only to draw text; `dpi` the window's.
    DibCanvas(PixelSurface target, HDC dc, Pictures& pictures, int dpi);

    void fillBox(const BoxF& box, Colour c) override;
    void drawFrame(const DeviceRect& box, int thickness, Colour c) override;
    void drawPhoto(Photo photo, const BoxF& box, const BoxF& clip) override;
    void beginPicture(const DeviceRect& box) override;
    void endPicture() override;
    void fillOutline(const Outline& outline, Colour c, double originX, double originY, double scale,
                     const DeviceRect& clip) override;
    void drawText(const std::string& utf8, const std::string& fontName, float points, Colour c,
                  double x, double top) override;
    void drawMarker(const BoxF& cell) override;

  private:
    struct Layer {
        DeviceRect box;
        PixelImage image;
    };
    PixelSurface target();
    int offsetX() const { return layers_.empty() ? 0 : layers_.back().box.x; }
    int offsetY() const { return layers_.empty() ? 0 : layers_.back().box.y; }
    // A mask in window pixels laid on the current layer.
    void blend(CoverageMask mask, Colour c);

    PixelSurface base_;
    HDC dc_;
    Pictures& pictures_;
    int dpi_;
    std::vector<Layer> layers_;
};

} // namespace pirandella
