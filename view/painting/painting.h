// Painting the whole window through the drawing interface (canvas.h), back to front, in device
// pixels of the window, so that frames and tiles fall on whole device pixels at any display
// scale: the surround, the photograph, every visible square and the message line, and the
// keyboard's marker.
#pragma once

#include "view/painting/canvas.h"
#include "view/painting/shapes.h"
#include "view/window/device_pixels.h"
#include "view/window/surface_fit.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace pirandella {

// The outlines a painting fills, by set: the letters and the page as a front end read them, the
// shapes the core draws itself; the glyphs come from the message line's font.
struct Artwork {
    std::vector<Outline> letters;
    std::vector<Outline> page;
    std::vector<Outline> shapes = Shapes();
    // The outline an id names; nullptr for none.
    const Outline* find(OutlineId id) const;
};

// Reads the letters' and the page's outline files from where a front end keeps them: `bytes`
// gives a file's bytes by its name, or nothing when there is no such file. "" when both were
// read, else what the player is told of the first that failed.
std::string ReadArtwork(Artwork& art,
                        const std::function<std::optional<std::string>(const char*)>& bytes);
// What the player reads first when the game cannot start, before why.
inline constexpr const char* cannotStart = "pirandella non può partire.";

// The photograph's size in layout pixels; its top-left corner is the design's.
inline constexpr int photoWidth = 410, photoHeight = 456;

// Colours of the design.
inline constexpr Colour surroundColour{10, 22, 8}; // the photograph's darkest green
inline constexpr Colour frameColour{0, 0, 0};
inline constexpr Colour tileGround{255, 255, 255};
inline constexpr Colour tileEdge{161, 161, 161};
inline constexpr Colour letterColour{51, 51, 51};
inline constexpr Colour inPlaceLetter{255, 45, 45};
inline constexpr Colour inPlaceShadow{255, 202, 202};
inline constexpr Colour pageGround{255, 255, 255};
inline constexpr Colour pageText{0, 0, 0};
inline constexpr Colour labelColour{255, 255, 255};
inline constexpr Colour markerColour{255, 214, 0};
inline constexpr Colour markerWashColour{255, 214, 0, 60};

// Paints the whole board area as placed, and the keyboard's marker on arrow cell `marker` (none
// for -1) when nothing covers it.
void PaintWindow(Canvas& canvas, const WindowModel& w, const Artwork& art, const Placement& at,
                 int marker);

// Whether the keyboard's marker on this arrow cell can be seen: the cell is shown and nothing
// lies in front of its middle.
bool MarkerShows(const WindowModel& w, TwipsScale tpp, int marker);

} // namespace pirandella
