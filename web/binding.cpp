// The page's view of one game: plain C functions over a handle, called from JavaScript. Each
// command runs the core's handler; the page then reads back what it shows (captions, the timer,
// the painted board, the screen reader's nodes) and brings itself in line.
#include "engine/game.h"
#include "ui/handlers.h"
#include "ui/keyboard.h"
#include "view/accessible_view.h"
#include "web/paint_list.h"

#include <algorithm>
#include <emscripten/emscripten.h>
#include <string_view>

using namespace pirandella;

namespace {

// CSS pixels are 1/96 inch.
constexpr double cssTwipsPerPixel = 1440.0 / 96;

struct WebGame {
    Game game;
    Artwork art;
    PaintList paint{art};
    std::string reply; // the last text handed to the page
};

// The canvas may be a little larger than the design (the page keeps it to whole device pixels);
// the design stands in its top-left corner.
PaintSetup Setup(const Game& g, double devicePixelRatio, double width = 0, double height = 0) {
    const TwipsScale tpp = g.screen.twipsPerPixel();
    const PixelRect client = ClientBounds(g.window.form, tpp);
    PaintSetup at;
    at.devicePixelRatio = devicePixelRatio;
    at.twipsPerPixel = tpp;
    at.area = {0, 0, std::max<double>(width, client.width),
               std::max<double>(height, client.height)};
    at.designWidth = client.width;
    at.designHeight = client.height;
    return at;
}

const char* Reply(WebGame* w, std::string text) {
    w->reply = std::move(text);
    return w->reply.c_str();
}

std::vector<Outline>& OutlineSet(WebGame* w, int set) {
    return set == 0 ? w->art.letters : w->art.page;
}

// An element as one number for the page: kind * 100 + index, or -1 for none.
int Encode(ElementRef ref) {
    return ref.kind == ElementRef::None ? -1 : ref.kind * 100 + ref.index;
}

} // namespace

extern "C" {

// A new game seeded from the player's clock, on a screen of the given size in CSS pixels.
EMSCRIPTEN_KEEPALIVE WebGame* web_create(double epochSeconds, int hour, int minute, int second,
                                         double screenWidth, double screenHeight) {
    auto* w = new WebGame;
    Game& g = w->game;
    const float seed = Game::SecondsOfClock(epochSeconds, hour, minute, second);
    g.timeOfDay = [seed] { return seed; };
    g.screen.twipsPerPixelX = g.screen.twipsPerPixelY = cssTwipsPerPixel;
    g.screen.widthTwips = screenWidth * cssTwipsPerPixel;
    g.screen.heightTwips = screenHeight * cssTwipsPerPixel;
    // The page's menu bar stands outside the board, which is all the canvas shows.
    SetWindowChrome(g, 0, 0);
    Form_Initialize(g);
    return w;
}

EMSCRIPTEN_KEEPALIVE void web_destroy(WebGame* w) {
    Form_Terminate(w->game);
    delete w;
}

// Reads an outline file (0 letters, 1 the instructions page) from bytes the page fetched.
EMSCRIPTEN_KEEPALIVE int web_load_outlines(WebGame* w, int set, const char* bytes, int size) {
    OutlineSet(w, set) = ReadOutlines(std::string_view(bytes, static_cast<std::size_t>(size)),
                                      set == 0 ? lettersFile : pageFile);
    return static_cast<int>(OutlineSet(w, set).size());
}

// One outline for the page's paths: what = 0 its fill rule (0 even-odd), 1 its number of steps,
// 2 where its steps are (a byte each: 0 move, 1 line, 2 cubic), 3 where its points are (x, y
// doubles, one for a move or a line, three for a cubic).
EMSCRIPTEN_KEEPALIVE int web_outline(WebGame* w, int set, int index, int what) {
    const Outline& o = OutlineSet(w, set).at(static_cast<std::size_t>(index));
    switch (what) {
    case 0:
        return static_cast<int>(o.fill);
    case 1:
        return static_cast<int>(o.steps.size());
    case 2:
        return reinterpret_cast<int>(o.steps.data());
    default:
        return reinterpret_cast<int>(o.points.data());
    }
}

// The whole board painted at the device pixel ratio on a canvas of the given size in CSS pixels,
// as a list of numbers; its length follows.
EMSCRIPTEN_KEEPALIVE const double* web_paint(WebGame* w, double devicePixelRatio, double width,
                                             double height) {
    w->paint.clear();
    PaintWindow(w->paint, w->game.window, w->art, Setup(w->game, devicePixelRatio, width, height),
                w->game.marker);
    return w->paint.numbers().data();
}

EMSCRIPTEN_KEEPALIVE int web_paint_length(WebGame* w) {
    return static_cast<int>(w->paint.numbers().size());
}

EMSCRIPTEN_KEEPALIVE const char* web_paint_text(WebGame* w, int index) {
    return w->paint.texts().at(static_cast<std::size_t>(index)).c_str();
}

// The frontmost element under a device pixel of the canvas.
EMSCRIPTEN_KEEPALIVE int web_element_at(WebGame* w, double devicePixelRatio, double x, double y) {
    return Encode(ElementAtDevicePixel(w->game.window, Setup(w->game, devicePixelRatio), x, y));
}

// The pointer an element shows: 0 the default, else one of the arrows.
EMSCRIPTEN_KEEPALIVE int web_pointer(WebGame* w, int element) {
    if (element / 100 != ElementRef::Image2 || element % 100 >= WindowModel::arrowCount) return 0;
    return static_cast<int>(w->game.window.image2[element % 100].pointer);
}

// A click on an element; only the arrow cells and the instructions page answer one.
EMSCRIPTEN_KEEPALIVE void web_click(WebGame* w, int element) {
    if (element / 100 == ElementRef::Image2) Image2_Click(w->game, element % 100);
}

EMSCRIPTEN_KEEPALIVE void web_menu(WebGame* w, int id) {
    void (*const handlers[4])(Game&) = {mnuSoluzione_Click, mnuNS_Click, mnuIstruzioni_Click,
                                        mnuAnnullaMossa_Click};
    if (id >= 0 && id < 4) handlers[id](w->game);
}

EMSCRIPTEN_KEEPALIVE void web_tick(WebGame* w) {
    Timer1_Timer(w->game);
}

// A key (in the order of Key) pressed while the board has the keys; the result as KeyResult.
EMSCRIPTEN_KEEPALIVE int web_key(WebGame* w, int key) {
    if (key < 0 || key > static_cast<int>(Key::F10)) return 0;
    return static_cast<int>(KeyPress(w->game, static_cast<Key>(key)));
}

EMSCRIPTEN_KEEPALIVE const char* web_menu_caption(WebGame* w, int id) {
    return w->game.window.menu.at(static_cast<std::size_t>(id)).caption.c_str();
}

// The timer's interval in milliseconds while it is enabled, else 0.
EMSCRIPTEN_KEEPALIVE int web_timer(WebGame* w) {
    const TimerElement& t = w->game.window.timer1;
    return t.enabled ? t.interval : 0;
}

// The message line: what = 0 its caption, 1 its font's name, 2 its size in points.
EMSCRIPTEN_KEEPALIVE const char* web_label(WebGame* w, int what) {
    const LabelElement& label = w->game.window.label1[0];
    if (what == 2) return Reply(w, std::to_string(label.fontSize));
    return (what == 0 ? label.caption : label.fontName).c_str();
}

// The label sizes itself to its caption, measured by the page in CSS pixels.
EMSCRIPTEN_KEEPALIVE void web_fit_label(WebGame* w, double width, double height) {
    LabelElement& label = w->game.window.label1[0];
    const TwipsScale tpp = w->game.screen.twipsPerPixel();
    label.width = static_cast<float>(width * tpp.x);
    label.height = static_cast<float>(height * tpp.y);
}

// The board's size in CSS pixels: what = 0 its width, 1 its height.
EMSCRIPTEN_KEEPALIVE int web_board_size(WebGame* w, int what) {
    const PixelRect client = ClientBounds(w->game.window.form, w->game.screen.twipsPerPixel());
    return what == 0 ? client.width : client.height;
}

// What a screen reader finds, one node a line (ASCII 30 between nodes), its fields apart by
// ASCII 31: role (0 text, 1 button, 2 cell), element, x, y, width, height in CSS pixels,
// focused, name, description.
EMSCRIPTEN_KEEPALIVE const char* web_accessible_nodes(WebGame* w, int boardHasKeys) {
    std::string out;
    for (const AccessibleNode& n : AccessibleNodes(w->game, boardHasKeys != 0)) {
        for (const int number : {static_cast<int>(n.role), Encode(n.ref), n.bounds.x, n.bounds.y,
                                 n.bounds.width, n.bounds.height, n.focused ? 1 : 0})
            out += std::to_string(number) + '\x1f';
        out += n.name + '\x1f' + n.description + '\x1e';
    }
    return Reply(w, std::move(out));
}

} // extern "C"
