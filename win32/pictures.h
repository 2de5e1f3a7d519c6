// What the game draws with, built into the executable: the background photograph (1x and @2x),
// the outlines of the letters and of the instructions page, and the
// arrow pointers, drawn at the window's DPI. Each is made the first time it is needed and kept.
#pragma once

#include "view/raster_canvas.h"

#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>

namespace pirandella {

class Pictures : public PhotoSource {
  public:
    explicit Pictures(HINSTANCE instance) : instance_(instance) {}
    ~Pictures() override;
    Pictures(const Pictures&) = delete;
    Pictures& operator=(const Pictures&) = delete;

    // The photograph resampled to fill width x height device pixels.
    const PixelImage& photo(Photo p, int width, int height) override;
    // Read once; throws OutlineError when a built-in outline file is missing or damaged.
    const Artwork& artwork();
    // An arrow cell's pointer, 16 x 16 pixels at the window's DPI, its hot spot on the tip.
    HCURSOR cursor(Pointer p, int dpi);

  private:
    // The resource's bytes; no data at all when the program has no such resource.
    std::string_view resource(int id) const;
    std::vector<Outline> outlines(int id, const char* name) const;

    HINSTANCE instance_;
    std::map<Photo, PixelImage> decoded_;
    std::optional<std::tuple<Photo, int, int>> sizedKey_;
    PixelImage sized_;
    std::optional<Artwork> artwork_;
    std::map<std::pair<Pointer, int>, HCURSOR> cursors_;
};

} // namespace pirandella
