// The window painted through a canvas that records every call: order and geometry in device
// pixels at every display scale, checked against the design's own numbers.
#include "game_fixtures.h"
#include "view/painting/painting.h"
#include "view/painting/pointer_shape.h"
#include "view/painting/raster_canvas.h"

#include <cmath>
#include <gtest/gtest.h>

using namespace pirandella;
using namespace pirandella::testing;

namespace {

struct Call {
    std::string what;
    BoxF box;            // fillBox, photo; the clip of a photo in `clip`
    DeviceRect rect;     // picture, outline clip
    Colour colour;       // fills, outline, text
    OutlineId outline;   // outline
    double x = 0, y = 0; // outline origin, text corner
    double scale = 0;    // outline
    Photo photo = Photo::Background;
    BoxF clip;
};

class RecordingCanvas : public Canvas {
  public:
    std::vector<Call> calls;
    // Frames are drawn as four black boxes, one along each edge.
    void fillBox(const BoxF& b, Colour c) override {
        add(c == frameColour ? "frame line" : "box", b).colour = c;
    }
    void drawPhoto(Photo p, const BoxF& b, const BoxF& clip) override {
        Call& k = add("photo", b);
        k.photo = p, k.clip = clip;
    }
    bool beginPicture(const PictureKey&, const DeviceRect& r) override {
        add("picture").rect = r;
        return true;
    }
    void endPicture() override { add("end"); }
    void fillOutline(OutlineId id, Colour c, double x, double y, double s,
                     const DeviceRect& clip) override {
        Call& k = add("outline");
        k.outline = id, k.colour = c, k.x = x, k.y = y, k.scale = s, k.rect = clip;
    }

    std::vector<Call> named(const std::string& what) const {
        std::vector<Call> found;
        for (const Call& c : calls)
            if (c.what == what) found.push_back(c);
        return found;
    }
    // The calls between the picture that fills `r` and its end.
    std::vector<Call> pictureAt(const DeviceRect& r) const {
        for (auto c = calls.begin(); c != calls.end(); ++c)
            if (c->what == "picture" && c->rect == r)
                return {c + 1,
                        std::find_if(c, calls.end(), [](auto& k) { return k.what == "end"; })};
        return {};
    }

  private:
    Call& add(const std::string& what, BoxF box = {}) {
        Call& c = calls.emplace_back();
        c.what = what;
        c.box = box;
        return c;
    }
};

Artwork TwoLetters() {
    Artwork art;
    Outline square;
    square.steps = {Outline::Step::Move, Outline::Step::Line, Outline::Step::Line};
    square.points = {{10, 15}, {20, 15}, {20, 26}};
    art.letters.assign(26, square);
    art.page = {square};
    return art;
}

Placement At(double dpr, int originY = 0) {
    Placement at;
    at.devicePixelRatio = dpr;
    at.originY = originY;
    at.area = {0, 0, 407, 450.0 + originY};
    at.designWidth = 407;
    at.designHeight = 450;
    return at;
}

// The design's numbers at each display scale: a frame line's thickness in device pixels, tile
// 0's outer box (its pixels 90..123 across, 123..156 down, the last holding the frame
// line it shares with its neighbour) and the photograph drawn.
struct Scale {
    double dpr;
    int line;
    DeviceRect tile0;
    Photo photo;
} const scales[] = {{1, 1, {90, 123, 34, 34}, Photo::Background},
                    {1.25, 1, {113, 154, 42, 42}, Photo::Background2x},
                    {1.5, 2, {135, 185, 52, 51}, Photo::Background2x},
                    {1.75, 2, {158, 215, 59, 60}, Photo::Background2x},
                    {2, 2, {180, 246, 68, 68}, Photo::Background2x}};

DeviceRect Inside(const DeviceRect& r, int t) {
    return {r.x + t, r.y + t, r.width - 2 * t, r.height - 2 * t};
}

} // namespace

TEST(Painting, FramesTilesAndPhotographFollowTheDesignAtEveryScale) {
    Game g = NewBoard(7);
    const Artwork art = TwoLetters();
    for (const Scale& s : scales) {
        SCOPED_TRACE(s.dpr);
        for (bool inPlace : {false, true}) {
            WindowModel w = WindowOf(g);
            w.tiles[0].picture = {inPlace ? Picture::LetterInPlace : Picture::LetterOutOfPlace,
                                  Letter{8}};
            RecordingCanvas c;
            PaintWindow(c, w, art, At(s.dpr), -1);
            const std::vector<Call> lines = c.named("frame line");
            ASSERT_EQ(lines.size(), 4 * (49u + 28u));
            for (const Call& line : lines) // each as thick as a frame line, across or down
                EXPECT_TRUE(line.box.height == s.line || line.box.width == s.line);
            // After the 28 arrows behind the tiles: along the top, the bottom, the left, the right.
            const DeviceRect& t = s.tile0;
            const auto box = [](int x, int y, int w, int h) {
                return BoxF{double(x), double(y), double(w), double(h)};
            };
            EXPECT_EQ(lines[4 * 28].box, box(t.x, t.y, t.width, s.line));
            EXPECT_EQ(lines[4 * 28 + 1].box, box(t.x, t.y + t.height - s.line, t.width, s.line));
            EXPECT_EQ(lines[4 * 28 + 2].box, box(t.x, t.y + s.line, s.line, t.height - 2 * s.line));
            EXPECT_EQ(lines[4 * 28 + 3].box,
                      box(t.x + t.width - s.line, t.y + s.line, s.line, t.height - 2 * s.line));
            EXPECT_EQ(c.named("photo").at(0).photo, s.photo);
            const DeviceRect in = Inside(s.tile0, s.line);
            const std::vector<Call> tile = c.pictureAt(in);
            if (inPlace) { // a pale shadow one frame line down and right, then the red letter
                ASSERT_EQ(tile.size(), 2u);
                EXPECT_EQ(tile[0].colour, inPlaceShadow);
                EXPECT_EQ(tile[0].x, in.x + s.line);
                EXPECT_EQ(tile[0].y, in.y + s.line);
                EXPECT_EQ(tile[1].colour, inPlaceLetter);
                EXPECT_EQ(tile[1].x, in.x);
            } else { // white, a grey edge right and below as thick as a frame line, the letter
                ASSERT_EQ(tile.size(), 4u);
                EXPECT_EQ(tile[0].box,
                          (BoxF{double(in.x), double(in.y), double(in.width), double(in.height)}));
                EXPECT_EQ(tile[1].box, (BoxF{double(in.x + in.width - s.line), double(in.y),
                                             double(s.line), double(in.height)}));
                EXPECT_EQ(tile[2].box, (BoxF{double(in.x), double(in.y + in.height - s.line),
                                             double(in.width), double(s.line)}));
                EXPECT_EQ(tile[1].colour, tileEdge);
                EXPECT_EQ(tile[3].colour, letterColour);
                EXPECT_EQ(tile[3].x, in.x);
            }
            EXPECT_EQ(tile.back().scale, s.dpr);
        }
    }
}

TEST(Painting, GoesBackToFrontWithTheMarkerLastAndNeverOverThePage) {
    Game g = NewBoard(7);
    const Artwork art = TwoLetters();
    const Placement at = At(1.5, 21); // under a menu bar 21 pixels high
    RecordingCanvas c;
    PaintWindow(c, WindowOf(g), art, at, 24);
    ASSERT_GE(c.calls.size(), 3u);
    EXPECT_EQ(c.calls[0].box, (BoxF{0, 0, 610.5, 706.5})); // the surround
    EXPECT_EQ(c.calls[0].colour, surroundColour);
    EXPECT_EQ(c.calls[1].box, (BoxF{0, 31.5, 615, 684}));    // the photograph from the corner,
    EXPECT_EQ(c.calls[1].clip, (BoxF{0, 31.5, 610.5, 675})); // cut to the design
    const auto glyph = [](const Call& k) { return k.outline.set == OutlineSet::Glyphs; };
    // Arrow 24 lies below the board at pixels 189.., 354..: its marker, a wash and a ring from
    // the cell's corner, comes after everything.
    const Call& ring = c.calls.back();
    EXPECT_EQ(ring.outline, (OutlineId{OutlineSet::Shapes, markerRing}));
    EXPECT_EQ(ring.colour, markerColour);
    EXPECT_EQ(ring.x, 283.5);
    EXPECT_EQ(ring.y, 562.5);
    EXPECT_EQ(ring.scale, 1.5);
    EXPECT_EQ(ring.rect, (DeviceRect{283, 562, 52, 52}));
    EXPECT_EQ(c.calls[c.calls.size() - 2].outline, (OutlineId{OutlineSet::Shapes, markerWash}));
    // Before it the message line, a glyph a character: 10.2 points at 12 twips a pixel are 17
    // pixels, 25.5 at scale 1.5; the line box's top at 1.5 x (21 + 395), the baseline the font's
    // ascent (1825 of its 2048 units) below it, on a whole device pixel.
    const std::vector<Call> glyphs(c.calls.end() - 2 - 42, c.calls.end() - 2);
    ASSERT_EQ(WindowOf(g).message.text.size(), 42u);
    for (const Call& k : glyphs) {
        ASSERT_TRUE(glyph(k));
        EXPECT_EQ(k.colour, labelColour);
        EXPECT_NEAR(k.scale, 25.5, 1e-5);
        EXPECT_EQ(k.y, 647); // 624 + 22.72
    }
    EXPECT_EQ(glyphs.front().x, 1.5 * 57);
    EXPECT_TRUE(std::is_sorted(glyphs.begin(), glyphs.end(),
                               [](const Call& a, const Call& b) { return a.x < b.x; }));
    EXPECT_FALSE(glyph(c.calls[c.calls.size() - 3 - 42]));

    View shown;
    shown.instructionsShown = true;
    const WindowModel withPage = WindowOf(g, shown);
    for (int covered : {3, 10, 17}) { // under the page: no marker
        RecordingCanvas under;
        PaintWindow(under, withPage, art, at, covered);
        EXPECT_NE(under.calls.back().outline.set, OutlineSet::Shapes) << covered;
    }
    RecordingCanvas page;
    PaintWindow(page, withPage, art, at, 24);
    EXPECT_EQ(page.calls.back().outline, (OutlineId{OutlineSet::Shapes, markerRing}));
    const auto text = std::find_if(page.calls.begin(), page.calls.end(), glyph);
    const auto pageFill = std::find_if(page.calls.begin(), page.calls.end(), [](const Call& k) {
        return k.what == "outline" && k.colour == pageText;
    });
    EXPECT_LT(text, pageFill); // the page lies in front of the message line
}

TEST(Painting, HitsTheElementUnderEveryDevicePixel) {
    Game g = NewBoard(7);
    const Placement at = At(2, 21);
    // Tile 24 covers pixels 222..254 down (255 is tile 31's frame line, which lies in front).
    const double x = 2 * 200;
    EXPECT_EQ(ElementAtDevicePixel(WindowOf(g), at, x, 2 * (21 + 222)), TileRef(24));
    EXPECT_EQ(ElementAtDevicePixel(WindowOf(g), at, x, 2 * (21 + 254) + 1), TileRef(24));
    EXPECT_EQ(ElementAtDevicePixel(WindowOf(g), at, x, 2 * (21 + 255)), TileRef(31));
    EXPECT_EQ(ElementAtDevicePixel(WindowOf(g), at, x, 2 * (21 + 222) - 1), TileRef(17));
    EXPECT_EQ(ElementAtDevicePixel(WindowOf(g), at, 1, 1).kind, ElementRef::None); // the menu bar
}

namespace {

// A photograph of one colour, at any size.
struct PlainPhoto : PhotoSource {
    PixelImage image;
    const PixelImage& photo(Photo, int width, int height) override {
        image = {width, height,
                 std::vector<std::uint32_t>(std::size_t(width) * height, 0xff204020)};
        return image;
    }
};

} // namespace

// The window painted into pixels by the core's own renderer, as the Windows front end shows it:
// every frame line as thick as the design says, the letters' ink where the letter is, and the
// message line within its box.
TEST(Painting, TheCoresOwnPixelsFollowTheDesignAtEveryScale) {
    Game g = NewBoard(7);
    const Artwork art = TwoLetters(); // a letter is a right triangle, 10 x 11 pixels: 55 of ink
    PlainPhoto photo;
    for (const Scale& s : scales) {
        SCOPED_TRACE(s.dpr);
        const int width = int(std::ceil(407 * s.dpr)), height = int(std::ceil(450 * s.dpr));
        PixelImage shot{width, height, std::vector<std::uint32_t>(std::size_t(width) * height)};
        RasterCanvas canvas(shot.surface(), art, photo);
        PaintWindow(canvas, WindowOf(g), art, At(s.dpr), -1);
        const auto at = [&](int x, int y) { return shot.pixels[std::size_t(y) * width + x]; };
        // Across tile 0's left frame at mid-height: black as thick as a frame line, then white.
        const int y = s.tile0.y + s.tile0.height / 2;
        for (int k = 0; k < s.line; ++k) EXPECT_EQ(at(s.tile0.x + k, y), 0xff000000u) << k;
        EXPECT_EQ(at(s.tile0.x + s.line, y), 0xffffffffu);
        EXPECT_EQ(at(s.tile0.x - 1, y), 0xff204020u); // the photograph beside it
        // The letter's ink: the triangle's area at this scale, give or take its edge pixels (the
        // tile's grey edge along the right and the bottom left out).
        const DeviceRect in = Inside(s.tile0, s.line);
        double ink = 0;
        for (int py = in.y; py < in.y + in.height - s.line; ++py)
            for (int px = in.x; px < in.x + in.width - s.line; ++px)
                ink += (255 - (at(px, py) & 0xff)) / double(255 - 51); // dark grey letters on white
        EXPECT_NEAR(ink, 55 * s.dpr * s.dpr, 0.5 * 32 * s.dpr);
        // The message line: white ink within its box, none beside it.
        const PixelRect label = PixelBounds(WindowOf(g).message, {});
        const auto white = [&](int x0, int x1) {
            int n = 0;
            for (int py = int(label.y * s.dpr); py < int((label.y + label.height) * s.dpr); ++py)
                for (int px = x0; px < x1; ++px) n += (at(px, py) & 0xff) > 0x80;
            return n;
        };
        EXPECT_GT(white(int(label.x * s.dpr), int((label.x + label.width) * s.dpr)), 400 * s.dpr);
        EXPECT_EQ(white(int((label.x + label.width + 2) * s.dpr), width), 0);
    }
}

// Each arrow pointer as the core draws it for every front end: its hot spot, where the design's
// tip pixel is at each scale, is drawn solid, and nothing lies beyond the tip's pixel.
TEST(Painting, EachPointersHotSpotIsItsDrawnTipAtEveryScale) {
    const struct {
        Pointer p;
        int hot[3][2]; // at scales 1, 1.5 and 2
    } pointers[] = {{Pointer::ArrowDown, {{7, 13}, {11, 20}, {15, 27}}},
                    {Pointer::ArrowUp, {{7, 1}, {11, 2}, {15, 3}}},
                    {Pointer::ArrowLeft, {{1, 7}, {2, 11}, {3, 15}}},
                    {Pointer::ArrowRight, {{13, 7}, {20, 11}, {27, 15}}}};
    const double scales[] = {1, 1.5, 2};
    for (const auto& [p, hot] : pointers)
        for (int k = 0; k < 3; ++k) {
            const double scale = scales[k];
            SCOPED_TRACE(scale);
            const PixelImage picture = PointerPicture(p, scale);
            ASSERT_EQ(picture.width, std::lround(16 * scale));
            EXPECT_EQ(PointerTipAt(p, scale), (OutlinePoint{double(hot[k][0]), double(hot[k][1])}));
            const auto alpha = [&](int x, int y) {
                return picture.pixels[std::size_t(y) * picture.width + x] >> 24;
            };
            EXPECT_EQ(alpha(hot[k][0], hot[k][1]), 255u) << static_cast<int>(p);
            int beyond = 0; // past the tip's design pixel, the way the arrow points
            for (int y = 0; y < picture.height; ++y)
                for (int x = 0; x < picture.width; ++x) {
                    const bool past = p == Pointer::ArrowDown   ? y >= std::ceil(14 * scale)
                                      : p == Pointer::ArrowUp   ? y < std::floor(1 * scale)
                                      : p == Pointer::ArrowLeft ? x < std::floor(1 * scale)
                                                                : x >= std::ceil(14 * scale);
                    beyond += past && alpha(x, y) > 0;
                }
            EXPECT_EQ(beyond, 0) << static_cast<int>(p);
        }
}

// At a whole scale each pixel of the design's lines is a whole block of device pixels: setting
// the blocks draws the rasteriser's picture exactly (the page draws its pointers so, without a
// rasteriser). At 2 the tip's pixel (7, 13) of the arrow pointing down is the outline's black,
// opaque, on device pixels 14 to 15 across and 26 to 27 down.
TEST(Painting, AtAWholeScaleThePointerIsTheRasterisersPicture) {
    for (const Pointer p :
         {Pointer::ArrowDown, Pointer::ArrowUp, Pointer::ArrowLeft, Pointer::ArrowRight})
        for (const int scale : {1, 2, 3}) {
            const PixelImage set = WholeScalePointerPicture(p, scale);
            const PixelImage filled = PointerPicture(p, scale);
            EXPECT_EQ(set.width, 16 * scale);
            EXPECT_EQ(set.height, 16 * scale);
            EXPECT_EQ(set.pixels, filled.pixels) << static_cast<int>(p) << " at " << scale;
        }
    const PixelImage down = WholeScalePointerPicture(Pointer::ArrowDown, 2);
    for (const int y : {26, 27})
        for (const int x : {14, 15}) EXPECT_EQ(down.pixels[std::size_t(y) * 32 + x], 0xff000000u);
}

// Where nothing hovers, each arrow cell shows the pointer a mouse would: the same pixels as the
// pointer's own picture, in the middle of the cell; with a mouse the
// cell shows only the photograph inside its frame.
TEST(Painting, WithoutHoverTheArrowCellsDrawTheirPointers) {
    Game g = NewBoard(7);
    const Artwork art = TwoLetters();
    PlainPhoto photo;
    for (const bool pointers : {true, false}) {
        PixelImage shot{407, 450, std::vector<std::uint32_t>(407 * 450)};
        RasterCanvas canvas(shot.surface(), art, photo);
        Placement at = At(1);
        at.arrowsShowPointers = pointers;
        PaintWindow(canvas, WindowOf(g), art, at, -1);
        const PixelImage down = PointerPicture(Pointer::ArrowDown, 1); // the cell above column 1
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                const std::uint32_t seen = shot.pixels[std::size_t(90 + 9 + y) * 407 + 90 + 9 + x];
                const std::uint32_t drawn = down.pixels[std::size_t(y) * down.width + x];
                const bool inked = pointers && drawn >> 24 == 0xff;
                EXPECT_EQ(seen, inked ? drawn : 0xff204020u) << x << ',' << y;
            }
    }
}

// The colours of the design in the core's own pixels: a letter in its place red over its pale
// pink shadow, and the keyboard's marker yellow, each channel where it belongs.
TEST(Painting, TheCoresOwnPixelsHaveTheDesignsColours) {
    WindowModel w = WindowOf(NewBoard(7));
    w.tiles[0].picture = {Picture::LetterInPlace, Letter{8}};
    const Artwork art = TwoLetters(); // a right triangle (10, 15) (20, 15) (20, 26)
    PlainPhoto photo;
    PixelImage shot{407, 450, std::vector<std::uint32_t>(407 * 450)};
    RasterCanvas canvas(shot.surface(), art, photo);
    PaintWindow(canvas, w, art, At(1), 24); // the marker on the arrow cell below column 4
    const auto at = [&](int x, int y) { return shot.pixels[std::size_t(y) * 407 + x]; };
    const int tileX = 91, tileY = 124;                  // tile 0's picture, inside its frame
    EXPECT_EQ(at(tileX + 18, tileY + 20), 0xffff2d2du); // the letter: 255, 45, 45
    EXPECT_EQ(at(tileX + 20, tileY + 17), 0xffffcacau); // its shadow alone: 255, 202, 202
    EXPECT_EQ(at(tileX + 2, tileY + 2), 0xff204020u);   // the photograph round it
    EXPECT_EQ(at(189 + 4, 354 + 17), 0xffffd600u);      // the marker's ring: 255, 214, 0
    // Handed to Windows and to the page's cursors without the premultiplication, rounded.
    EXPECT_EQ(Unpremultiplied(0x80402000u), 0x80804000u); // 64 * 255 / 128 = 127.5 -> 128
    EXPECT_EQ(Unpremultiplied(0xff123456u), 0xff123456u);
    EXPECT_EQ(Unpremultiplied(0x00000000u), 0x00000000u);
}

// On a narrow screen the page's fit gives the board the width, less a margin of 4 CSS pixels on
// each side, and the message line, wider than the 5 x 5 board, starts at the left margin and is
// made small enough to end within the screen.
TEST(SurfaceFit, OnANarrowScreenTheBoardTakesTheWidthAndTheMessageLineFits) {
    Midend m = NewGame(5);
    for (const double ratio : {1.0, 2.0}) {
        m.setSurface({{0, 0, 390 * ratio, 844 * ratio}, ratio, true, false});
        const Placement& at = m.placement();
        const double zoom = at.devicePixelRatio / ratio;
        // The board's tiles span 123..289 across, with one pitch of 33 round them.
        EXPECT_NEAR((at.originX + 123 - 33) * zoom, 4, 0.5 * zoom) << ratio;
        EXPECT_NEAR((289 + 33 - 123 + 33) * zoom, 390 - 2 * 4, 1e-9) << ratio;
        const PixelRect line = PixelBounds(m.window().message, at.twipsPerPixel);
        const double left = (at.originX + line.x + at.messageShift) * zoom;
        const double right = left + line.width * at.messageScale * zoom;
        EXPECT_NEAR(left, 4, 1e-9) << ratio;
        EXPECT_LE(right, 390 - 4 + 1e-9) << ratio;
        EXPECT_GT(right, 390 - 4 - 1) << ratio; // no smaller than it must be
        EXPECT_LT(at.messageScale, 1) << ratio;
        EXPECT_TRUE(at.arrowsShowPointers && at.photoFillsArea);
    }
}
