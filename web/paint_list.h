// The browser's canvas as a list: PaintWindow's calls recorded as numbers that the page replays on
// its 2D canvas, so one call into WebAssembly paints the whole board.
#pragma once

#include "view/painting.h"

#include <vector>

namespace pirandella {

// Each call is its code followed by its numbers; the page reads them in the same order.
enum class PaintCode {
    FillBox = 1,  // x y width height colour
    DrawPhoto,    // photo, box x y width height, clip x y width height
    BeginPicture, // x y width height
    EndPicture,   //
    FillOutline   // set (OutlineSet) index colour originX originY scale, clip x y w h
};

class PaintList : public Canvas {
  public:
    void clear();
    const std::vector<double>& numbers() const { return numbers_; }

    void fillBox(const BoxF& box, Colour c) override;
    void drawPhoto(Photo photo, const BoxF& box, const BoxF& clip) override;
    bool beginPicture(const PictureKey& key, const DeviceRect& box) override;
    void endPicture() override;
    void fillOutline(OutlineId outline, Colour c, double originX, double originY, double scale,
                     const DeviceRect& clip) override;

  private:
    void put(PaintCode code) { numbers_.push_back(static_cast<double>(code)); }
    void put(const BoxF& b) { numbers_.insert(numbers_.end(), {b.x, b.y, b.width, b.height}); }
    void put(const DeviceRect& r) {
        numbers_.insert(numbers_.end(),
                        {static_cast<double>(r.x), static_cast<double>(r.y),
                         static_cast<double>(r.width), static_cast<double>(r.height)});
    }
    // A colour as one number, 0xRRGGBBAA.
    void put(Colour c) {
        numbers_.push_back(
            static_cast<double>(static_cast<unsigned>(c.r) << 24 | c.g << 16 | c.b << 8 | c.a));
    }

    std::vector<double> numbers_;
};

} // namespace pirandella
