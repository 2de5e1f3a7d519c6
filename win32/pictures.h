// What the game draws with, built into the executable: the background photograph (1x and @2x),
// the outlines of the letters and of the instructions page, the message line's font and the
// arrow pointers, drawn at the window's DPI. Each is made the first time it is needed and kept.
#pragma once

#include "view/outlines.h"
#include "view/painting.h"
#include "win32/pixel_surface.h"

#include <windows.h>

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>

namespace pirandella {

class Pictures {
  public:
    explicit Pictures(HINSTANCE instance) : instance_(instance) {}
    ~Pictures();
    Pictures(const Pictures&) = delete;
    Pictures& operator=(const Pictures&) = delete;

    // The photograph resampled to fill width x height device pixels.
    const PixelImage& photo(Photo p, int width, int height);
    // Read once; throws OutlineError when a built-in outline file is missing or damaged.
    const Artwork& artwork();
    // The named font at a height in pixels; "Times New Roman" is its metric twin Liberation
    // Serif, built in so that the message line looks the same on every machine.
    HFONT font(const std::string& name, double pixels);
    // An arrow cell's pointer, 16 x 16 pixels at the window's DPI, its hot spot on the tip.
    HCURSOR cursor(Pointer p, int dpi);

  private:
    // The resource's bytes; no data at all when the program has no such resource.
    std::string_view resource(int id) const;
    std::vector<Outline> outlines(int id, const char* name) const;
    const std::wstring& serifFace();

    HINSTANCE instance_;
    std::map<Photo, PixelImage> decoded_;
    std::optional<std::tuple<Photo, int, int>> sizedKey_;
    PixelImage sized_;
    std::optional<Artwork> artwork_;
    HANDLE serif_ = nullptr;
    std::wstring serifFace_;
    std::map<std::pair<std::string, int>, HFONT> fonts_;
    std::map<std::pair<Pointer, int>, HCURSOR> cursors_;
};

} // namespace pirandella
