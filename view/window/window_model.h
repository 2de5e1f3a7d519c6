// The game's window as plain data, derived from the game and what the window adds to it: the
// tiles, the arrow cells, the instructions page and the message line, each with its place and
// size in twips as the design gives them, its frame, whether it is shown and what it shows; the
// window's title and outer size; the menu commands' captions. Front ends only show what is here.
#pragma once

#include "engine/game.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace pirandella {

// What a square shows: a tile's letter (red on the background when in its place, dark on white
// otherwise), the instructions page, or nothing.
struct Picture {
    enum Kind { None, LetterInPlace, LetterOutOfPlace, Instructions } kind = None;
    Letter letter;
    auto operator<=>(const Picture&) const = default;
};

// The mouse pointer over a square: each arrow cell points the way its line turns.
enum class Pointer { Default, ArrowDown, ArrowLeft, ArrowRight, ArrowUp };

// A tile, an arrow cell or the instructions page: a square of the window, in twips from the
// client area's corner, with a frame one pixel wide.
struct Square {
    float left = 0, top = 0, width = 0, height = 0;
    bool visible = true;
    bool framed = true;
    Picture picture;
    Pointer pointer = Pointer::Default;
};

// The message line: white text on the photograph, sized to its text.
struct MessageLine {
    float left = 0, top = 0, width = 0, height = 0; // twips
    std::string text;
    float fontSize = 0; // points
    bool visible = true;
};

// The menu bar's commands, left to right.
enum class Command { ShowSolution, NewPuzzle, Instructions, UndoMove };
inline constexpr int commandCount = 4;

// The window itself: its title, and its place on the screen and outer size in twips, chrome
// included. Of that size the chrome (frame, title and menu bar) takes a number of pixels that
// only the platform knows; the rest is the client area the squares live in.
struct OuterWindow {
    std::string title;
    float left = 0, top = 0, width = 0, height = 0;
    int chromeWidth = 0, chromeHeight = 0; // pixels
};

// The client area as designed: 407 x 450 pixels at 12 twips per pixel.
inline constexpr float designClientWidth = 4884, designClientHeight = 5400;
inline constexpr float designTwipsPerPixel = 12;

struct WindowModel {
    static constexpr int tileCount = 49;  // a 7 x 7 grid, row by row
    static constexpr int arrowCount = 28; // seven on each side of the grid

    OuterWindow outer;
    std::array<Square, tileCount> tiles;
    std::array<Square, arrowCount> arrows;
    Square page; // the instructions
    MessageLine message;
    std::array<std::string, commandCount> captions;
};

// The grid's tile at a row and a column, both from 0 at the top left.
constexpr int TileAt(int row, int column) {
    return 7 * row + column;
}

// The sides of the grid, each with seven arrow cells in grid order: the cells above and below
// turn columns, those left and right turn rows.
enum class Side { Above, Right, Left, Below };
constexpr int ArrowCell(Side side, int k) {
    return 7 * static_cast<int>(side) + k;
}
constexpr Side SideOf(int arrow) {
    return static_cast<Side>(arrow / 7);
}
// The grid line (column or row, from 0) an arrow cell stands at.
constexpr int GridLineOf(int arrow) {
    return arrow % 7;
}
constexpr bool TurnsColumn(Side side) {
    return side == Side::Above || side == Side::Below;
}

// Twips per pixel along each axis: the resolution the layout is measured in.
struct TwipsScale {
    double x = 12, y = 12;
};

// What the screen reports: twips per pixel along each axis and its size in twips.
struct ScreenMetrics {
    double twipsPerPixelX = 12, twipsPerPixelY = 12;
    double widthTwips = 1920 * 12, heightTwips = 1080 * 12;
    TwipsScale twipsPerPixel() const { return {twipsPerPixelX, twipsPerPixelY}; }
};

// What the window adds to the game: the screen it is on, the platform's chrome, whether the
// instructions are shown, and the arrow cell the keyboard's marker is on (-1 until the keyboard
// is used).
struct View {
    ScreenMetrics screen;
    int chromeWidth = 0, chromeHeight = 0; // pixels: frame, title and menu bar
    bool instructionsShown = false;
    int marker = -1;
};

// The window as it shows the game, the message line sized to its text.
WindowModel WindowOf(const Game& g, const View& v);
// The same with the message line's size taken from an earlier window whose line read the same,
// on the same screen: setting a line of text is the slowest part of the window.
WindowModel WindowOf(const Game& g, const View& v, const WindowModel& before);
// The window before any puzzle, at 12 twips per pixel.
WindowModel DesignWindow();
// The message line: the task of the puzzle, or the player's moves once solved.
std::string MessageText(const Game& g);

// Every caption each command can show, in menu-bar order: "Istruzioni" reads "Esci da
// Istruzioni" while the page is shown. A menu bar is made wide enough for the longest.
const std::array<std::vector<std::string>, commandCount>& CommandCaptions();
// Each command's longest caption as `width` measures it in a front end's menu font.
std::array<std::string, commandCount>
WidestCaptions(const std::function<double(const std::string&)>& width);

// Size in pixels of the letter pictures, and how many letters there are.
inline constexpr int tilePicturePixels = 32;
inline constexpr int letterCount = 26;

// One element of the window.
struct ElementRef {
    enum Kind { None, Tile, Arrow, Page, Message } kind = None;
    int index = 0; // of a tile or an arrow cell
    bool operator==(const ElementRef&) const = default;
};
inline constexpr ElementRef pageRef{ElementRef::Page, 0};
inline constexpr ElementRef messageRef{ElementRef::Message, 0};
constexpr ElementRef ArrowRef(int arrow) {
    return {ElementRef::Arrow, arrow};
}
constexpr ElementRef TileRef(int tile) {
    return {ElementRef::Tile, tile};
}

// Front to back: the page, the message line, the tiles 48..0, the arrow cells 27..0.
const std::vector<ElementRef>& StackingOrder();

// The message line's font size in pixels of the layout: its points at the screen's resolution.
double FontPixels(const MessageLine& line, TwipsScale tpp);

// Twips to whole pixels, each axis at its own twips per pixel.
struct PixelRect {
    int x = 0, y = 0, width = 0, height = 0;
    bool contains(int px, int py) const {
        return px >= x && py >= y && px < x + width && py < y + height;
    }
    bool operator==(const PixelRect&) const = default;
};
double TwipsPerPixel(double logicalDpi);
int TwipsToPixels(double twips, double twipsPerPixel);
PixelRect PixelBounds(float left, float top, float width, float height, TwipsScale tpp);
PixelRect PixelBounds(const Square& s, TwipsScale tpp);
PixelRect PixelBounds(const MessageLine& line, TwipsScale tpp);
// A square (tile, arrow cell or page); nullptr for the message line or none.
const Square* SquareOf(const WindowModel& w, ElementRef ref);
// Any element's place and size in pixels, and whether it is shown; nothing for none.
PixelRect PixelBounds(const WindowModel& w, ElementRef ref, TwipsScale tpp);
bool IsVisible(const WindowModel& w, ElementRef ref);
// The client area in pixels: the window's outer size less its chrome.
PixelRect ClientBounds(const OuterWindow& outer, TwipsScale tpp);

// The frontmost visible element under a pixel of the client area.
ElementRef HitTest(const WindowModel& w, int px, int py, TwipsScale tpp);
// Shown, and the frontmost element at its middle: nothing in front of it, such as the page.
bool InSight(const WindowModel& w, ElementRef ref, TwipsScale tpp);

} // namespace pirandella
