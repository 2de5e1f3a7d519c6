// Painting the window as plain C++: a small drawing interface that each front end implements
// (Qt, Windows, the browser), and one function that paints the whole window model through it,
// back to front. Everything is in device pixels of the window, so frames and tiles fall on whole
// device pixels at any display scale.
#pragma once

#include "view/device_pixels.h"
#include "view/outlines.h"
#include "view/window_model.h"

#include <cstdint>
#include <string>

namespace pirandella {

struct Colour {
    std::uint8_t r = 0, g = 0, b = 0, a = 255;
    bool operator==(const Colour&) const = default;
};

// A box of device pixels whose edges may fall between pixels (a design edge at scale 1.5).
struct BoxF {
    double x = 0, y = 0, width = 0, height = 0;
    bool operator==(const BoxF&) const = default;
};

// The pictures a front end keeps ready-made: the background photograph, in its 1x and its
// double-resolution version.
enum class Photo { Background, Background2x };

// The outlines the game fills, named by their set and their place in it: the letters A to Z and
// the instructions page from the outline files, the shapes the core draws itself and the glyphs
// of the message line's font (MessageFont).
enum class OutlineSet : std::uint8_t { Letters, Page, Shapes, Glyphs };
struct OutlineId {
    OutlineSet set = OutlineSet::Letters;
    int index = 0;
    auto operator<=>(const OutlineId&) const = default;
};
// The shapes: the keyboard's marker, a wash and a ring inside an arrow cell; then each arrow
// pointer's two lines as rings, outline and inner line, from ArrowDown on (PointerShape).
enum ShapeIndex { markerWash, markerRing, pointerShapes };
constexpr int PointerShape(Pointer p, int line) {
    return pointerShapes + 2 * (static_cast<int>(p) - 1) + line;
}
inline constexpr int markerCellPixels = 34;
std::vector<Outline> Shapes();

struct Artwork {
    std::vector<Outline> letters;
    std::vector<Outline> page;
    std::vector<Outline> shapes = Shapes();
    // The outline an id names; nullptr for none.
    const Outline* find(OutlineId id) const;
};

// The whole device pixels a box touches, and whether its edges all fall on whole pixels.
DeviceRect Covering(const BoxF& b);
bool OnWholePixels(const BoxF& b);

// A picture of one element, named by all that decides its pixels.
struct PictureKey {
    Picture picture;
    int width = 0, height = 0; // device pixels
    double scale = 1;          // device pixels per layout pixel
    auto operator<=>(const PictureKey&) const = default;
};

// What a front end draws with. Calls come back to front; later calls cover earlier ones.
class Canvas {
  public:
    virtual ~Canvas() = default;
    virtual void fillBox(const BoxF& box, Colour c) = 0;
    // The photograph scaled to fill `box`, only the part inside `clip` shown.
    virtual void drawPhoto(Photo photo, const BoxF& box, const BoxF& clip) = 0;
    // A picture of one element that fills `box`: the calls up to endPicture draw it on a
    // transparent ground, and it is then laid over what is below as one picture. A canvas that
    // kept the picture it drew under the same key may answer false: no drawing calls then come
    // before endPicture, which lays down the kept picture.
    virtual bool beginPicture(const PictureKey& key, const DeviceRect& box) = 0;
    virtual void endPicture() = 0;
    // An outline filled antialiased, its coordinates multiplied by `scale` and put at `origin`,
    // nothing outside `clip`.
    virtual void fillOutline(OutlineId outline, Colour c, double originX, double originY,
                             double scale, const DeviceRect& clip) = 0;
};

// Where the window stands on the device: its scale, the layout's resolution, and where the
// design's top-left pixel lies in the window (the menu bar above it, a wider window around it).
struct PaintSetup {
    double devicePixelRatio = 1;
    TwipsScale twipsPerPixel;
    int originX = 0, originY = 0;          // layout pixels from the window's top-left corner
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
    // photograph (1x at ratio 1, so that a first visit stays small); 0 for the scale's own.
    double screenRatio = 0;
};

// The photograph's size in layout pixels; its top-left corner is the design's.
inline constexpr int photoWidth = 410, photoHeight = 456;

// The design centred in an area of the window (layout pixels from the window's corner), never
// left of or above the area's corner.
PaintSetup CentredSetup(TwipsScale twipsPerPixel, double devicePixelRatio, BoxF area,
                        int designWidth, int designHeight);

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

// Paints the whole board area: the surround, the photograph, every visible element back to
// front, and the keyboard's marker on arrow `marker` (none for -1) when nothing covers it.
void PaintWindow(Canvas& canvas, const WindowModel& w, const Artwork& art, const PaintSetup& at,
                 int marker);

// The frontmost visible element under a point of the window given in device pixels.
ElementRef ElementAtDevicePixel(const WindowModel& w, const PaintSetup& at, double x, double y);

// Whether the keyboard's marker on this arrow can be seen: the arrow is shown and nothing lies
// in front of its middle.
bool MarkerShows(const WindowModel& w, TwipsScale tpp, int marker);

} // namespace pirandella
