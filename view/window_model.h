// A plain description of the game window: every element with its place and size in twips,
// its frame, visibility, picture and captions. The Qt window only paints what is here.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace pirandella {

// Which picture an image element shows: a tile of one of the two letter lists (item 1..26),
// the instructions page, or nothing.
enum class PictureList { None, ImageList2, ImageList3, Instructions };

struct Picture {
    PictureList list = PictureList::None;
    int item = 0;
    bool operator==(const Picture&) const = default;
};

// Custom mouse pointers: each arrow cell points the way its line turns.
enum class Pointer { Default, ArrowDown, ArrowLeft, ArrowRight, ArrowUp };

struct ImageElement {
    float left = 0, top = 0, width = 0, height = 0; // twips, client-area coordinates
    bool visible = true;
    int borderStyle = 1; // 1: single-pixel frame, 0: none
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

struct TimerElement {
    int interval = 120; // milliseconds
    bool enabled = false;
};

struct MenuCommand {
    std::string name;
    std::string caption;
};

// Menu commands in menu-bar order, left to right.
enum MenuId { mnuSoluzione, mnuNS, mnuIstruzioni, mnuAnnullaMossa };

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

struct WindowModel {
    static constexpr int tileCount = 49;    // Image1(0..48), a 7 x 7 grid
    static constexpr int arrowCount = 28;   // Image2(0..27)
    static constexpr int instructions = 28; // Image2(28)

    FormElement form;
    std::array<ImageElement, tileCount> image1;
    std::array<ImageElement, arrowCount + 1> image2;
    std::array<LabelElement, 1> label1;
    TimerElement timer1;
    std::array<MenuCommand, 4> menu;
};

// The window as designed, at 12 twips per pixel.
WindowModel DesignWindow();

// Every caption each command can show, in menu-bar order: "Istruzioni" reads "Esci da
// Istruzioni" while the page is shown. A menu bar is made wide enough for the longest.
const std::array<std::vector<std::string>, 4>& MenuCaptions();

// The line an arrow cell turns: its place among the visible arrows of its group, from 1, so the
// hidden arrows of a smaller board are skipped. Groups of seven: above, right, left, below.
int ArrowLine(const WindowModel& w, int index);

// The end of a puzzle: no tile or arrow keeps its frame, and every arrow is hidden.
void HideFramesAndArrows(WindowModel& w);

// Size in pixels of the pictures in the two letter lists.
inline constexpr int tilePicturePixels = 32;
inline constexpr int tileListItems = 26;

// One element of the window, as named in the stacking order.
struct ElementRef {
    enum Kind { None, Image1, Image2, Label1 } kind = None;
    int index = -1;
    bool operator==(const ElementRef&) const = default;
};

// Front to back: Image2(28), Label1(0), Image1(48..0), Image2(27..0).
const std::vector<ElementRef>& StackingOrder();

// Twips per pixel along each axis: the resolution the layout is measured in.
struct TwipsScale {
    double x = 12, y = 12;
};

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
// Any element's place and size in pixels, and whether it is shown; nothing for ElementRef::None.
PixelRect PixelBounds(const WindowModel& w, ElementRef ref, TwipsScale tpp);
bool IsVisible(const WindowModel& w, ElementRef ref);
// The client area in pixels: the window's outer size less its chrome.
PixelRect ClientBounds(const FormElement& form, TwipsScale tpp);

// The frontmost visible element under a pixel of the client area.
ElementRef HitTest(const WindowModel& w, int px, int py, TwipsScale tpp);
// Shown, and the frontmost element at its middle: nothing in front of it, such as the page.
bool InSight(const WindowModel& w, ElementRef ref, TwipsScale tpp);

} // namespace pirandella
