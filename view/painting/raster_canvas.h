// The drawing interface on a block of pixels in memory: the whole window painted by the core
// itself, the same on every machine. Pictures of elements are drawn on a transparent layer of
// their own and laid over what is below when they are done.
#pragma once

#include "view/painting/painting.h"
#include "view/render/pixels.h"

#include <vector>

namespace pirandella {

// Where the photograph's pixels come from: the front end decodes it.
class PhotoSource {
  public:
    virtual ~PhotoSource() = default;
    // The photograph resampled to fill width x height pixels.
    virtual const PixelImage& photo(Photo p, int width, int height) = 0;
};

class RasterCanvas : public Canvas {
  public:
    RasterCanvas(PixelSurface target, const Artwork& art, PhotoSource& photos)
        : base_(target), art_(art), photos_(photos) {}

    void fillBox(const BoxF& box, Colour c) override;
    void drawPhoto(Photo photo, const BoxF& box, const BoxF& clip) override;
    bool beginPicture(const PictureKey& key, const DeviceRect& box) override;
    void endPicture() override;
    void fillOutline(OutlineId outline, Colour c, double originX, double originY, double scale,
                     const DeviceRect& clip) override;

  private:
    // A mask in window pixels laid on the current layer.
    void blend(CoverageMask mask, Colour c);

    struct Layer {
        DeviceRect box;
        PixelImage image;
    };
    PixelSurface target();
    int offsetX() const { return layers_.empty() ? 0 : layers_.back().box.x; }
    int offsetY() const { return layers_.empty() ? 0 : layers_.back().box.y; }

    PixelSurface base_;
    const Artwork& art_;
    PhotoSource& photos_;
    std::vector<Layer> layers_;
};

// An arrow cell's pointer drawn at a display scale: 16 x 16 layout pixels, transparent around
// its lines.
PixelImage PointerPicture(Pointer p, double scale);

} // namespace pirandella
