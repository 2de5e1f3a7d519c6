// The game window as plain data, derived from the game: every element with its place and size in
// twips, its frame, visibility, picture and captions. The front ends only paint what is here.
#pragma once

#include "engine/game.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace pirandella {

// What an image element shows: a tile's letter (red on the background when in its place, dark
// on white otherwise), the instructions page, or nothing.
struct Picture {
    enum Kind { None, LetterInPlace, LetterOutOfPlace, Instructions } kind = None;
    Letter letter;
    auto operator<=>(const Picture&) const = default;
};

// Custom mouse pointers: each arrow cell points the way its line turns.
enum class Pointer { Default, ArrowDown, ArrowLeft, ArrowRight, ArrowUp };

struct ImageElement {
    float left = 0, top = 0, width = 0, height = 0; // twips, client-area coordinates
    bool visible = true;
    bool framed = true; // a frame one pixel wide
    Picture picture;
    Pointer pointer = Pointer::Default;
};

struct LabelElement {
    float left = 0, top = 0, width = 0, height = 0;
    std::string caption;
    std::string fontName;
    float fontSize = 0; // points
    bool visible = true;
};

// The menu bar's commands, left to right.
enum class Command { ShowSolution, NewPuzzle, Instructions, UndoMove };
inline constexpr int commandCount = 4;

// The window itself: its place on the screen and its outer size in twips, frame, title and menu
// bar included. Of that outer size the platform's chrome (frame, title and menu bar) takes a
// number of pixels that only the toolkit knows; the rest is the client area the elements live in.
struct FormElement {
    std::string caption;
    float left = 0, top = 0, width = 0, height = 0;
    int chromeWidth = 0, chromeHeight = 0; // pixels
};

// The client area as designed: 407 x 450 pixels at 12 twips per pixel.
inline constexpr float designClientWidth = 4884, designClientHeight = 5400;
inline constexpr float designTwipsPerPixel = 12;

struct WindowModel {
    static constexpr int tileCount = 49;  // a 7 x 7 grid, row by row
    static constexpr int arrowCount = 28; // above, right, left, below: seven in each group

    FormElement form;
    std::array<ImageElement, tileCount> tiles;
    std::array<ImageElement, arrowCount> arrows;
    ImageElement page; // the instructions
    LabelElement message;
    bool playbackRunning = false; // the playback timer
    int playbackIntervalMs = 120; // one recorded move each tick
    std::array<std::string, commandCount> captions;
};

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
    // The message line's size for the caption it was last set for, so a caption is set once,
    // not every time the window is derived.
    struct MessageFit {
        std::string caption;
        double pixels = 0, width = 0, height = 0;
    };
    mutable MessageFit messageFit;
};

// The window as it shows the game.
WindowModel WindowOf(const Game& g, const View& v);
// The window before any puzzle, at 12 twips per pixel.
WindowModel DesignWindow();
// The message line: the task of the puzzle, or the player's moves once solved.
std::string MessageText(const Game& g);

// Every caption each command can show, in menu-bar order: "Istruzioni" reads "Esci da
// Istruzioni" while the page is shown. A menu bar is made wide enough for the longest.
const std::array<std::vector<std::string>, commandCount>& CommandCaptions();

// Size in pixels of the letter pictures, and how many letters there are.
inline constexpr int tilePicturePixels = 32;
inline constexpr int letterCount = 26;

// One element of the window.
struct ElementRef {
    enum Kind { None, Tile, Arrow, Page, Message } kind = None;
    int index = 0; // of a tile or an arrow
    bool operator==(const ElementRef&) const = default;
};
inline constexpr ElementRef pageRef{ElementRef::Page, 0};
inline constexpr ElementRef messageRef{ElementRef::Message, 0};

// Front to back: the page, the message line, the tiles 48..0, the arrows 27..0.
const std::vector<ElementRef>& StackingOrder();

// The message line's font size in pixels of the layout: its points at the screen's resolution.
double FontPixels(const LabelElement& e, TwipsScale tpp);

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
PixelRect PixelBounds(const ImageElement& e, TwipsScale tpp);
PixelRect PixelBounds(const LabelElement& e, TwipsScale tpp);
// An image element (tile, arrow or page); nullptr for the message line or none.
const ImageElement* ImageOf(const WindowModel& w, ElementRef ref);
// Any element's place and size in pixels, and whether it is shown; nothing for none.
PixelRect PixelBounds(const WindowModel& w, ElementRef ref, TwipsScale tpp);
bool IsVisible(const WindowModel& w, ElementRef ref);
// The client area in pixels: the window's outer size less its chrome.
PixelRect ClientBounds(const FormElement& form, TwipsScale tpp);

// The frontmost visible element under a pixel of the client area.
ElementRef HitTest(const WindowModel& w, int px, int py, TwipsScale tpp);
// Shown, and the frontmost element at its middle: nothing in front of it, such as the page.
bool InSight(const WindowModel& w, ElementRef ref, TwipsScale tpp);

// The layout for each board size (board_layout.cpp). The tiles of a smaller board are the
// inner ones of the 7 x 7 grid; board position k is shown by the k-th tile in use.
bool TileInUse(int boardSize, int tile);
int TileOfPosition(int boardSize, int position);
int PositionOfTile(int boardSize, int tile); // -1 for a tile not in use
bool ArrowInUse(int boardSize, int arrow);
// The line an arrow cell turns, from 1: its place among the arrows in use of its group.
int ArrowLine(int boardSize, int arrow);
// The move a click on an arrow cell makes.
Move ArrowMove(int boardSize, int arrow);
// The grid fitted to the board size: unused tiles and arrows hidden, arrows closed in.
void ArrangeBoard(WindowModel& w, int boardSize);
// Each tile in use shows its position's letter, in its solution place or not.
void DrawBoard(WindowModel& w, const Game& g);

// Display scaling (display_scaling.cpp): the window was laid out at 12 twips per pixel; on
// another screen every place and size is multiplied so each element keeps its design pixels.
void ScaleToScreen(WindowModel& w, const ScreenMetrics& screen);
// The outer size for the platform's chrome, and on a scaled screen the window centred on it.
void PlaceWindow(WindowModel& w, const ScreenMetrics& screen, int chromeWidth, int chromeHeight);
bool Scaled(const ScreenMetrics& screen);

} // namespace pirandella
