// What the game draws with, built into the executable: the background photograph (1x and @2x),
// the outlines of the letters and of the instructions page, and the arrow pointers, drawn at the
// window's DPI. Each picture is made the first time it is needed and kept.
#pragma once

#include "view/painting/raster_canvas.h"

#include <windows.h>

#include <map>
#include <string>
#include <string_view>
#include <tuple>

namespace pirandella {

// The core's pixels as Windows takes them: 32 bits, blue, green, red, alpha, rows from the top.
inline BITMAPINFO Bitmap32(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    return info;
}

class Pictures : public PhotoSource {
  public:
    explicit Pictures(HINSTANCE instance) : instance_(instance) {}
    ~Pictures() override;
    Pictures(const Pictures&) = delete;
    Pictures& operator=(const Pictures&) = delete;

    // Reads the built-in outline files: "" when both were read, else what the player is told.
    std::string readArtwork();
    const Artwork& artwork() const { return artwork_; }
    // The photograph resampled to fill width x height device pixels.
    const PixelImage& photo(Photo p, int width, int height) override;
    // An arrow cell's pointer, 16 x 16 pixels at the window's DPI, its hot spot on the tip.
    HCURSOR cursor(Pointer p, int dpi);

  private:
    // The resource's bytes; no data at all when the program has no such resource.
    std::string_view resource(int id) const;

    HINSTANCE instance_;
    Artwork artwork_;
    std::map<Photo, PixelImage> decoded_;
    std::map<std::tuple<Photo, int, int>, PixelImage> sized_;
    std::map<std::pair<Pointer, int>, HCURSOR> cursors_;
};

} // namespace pirandella
