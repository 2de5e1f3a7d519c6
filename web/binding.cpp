// The page's view of one game: plain C functions over a handle, called from JavaScript. Events go
// to the core's front end, which brings the page in line through the platform below: each of its
// calls goes to the object the page puts on the module as `platform` (web/page/app.js).
#include "engine/game.h"
#include "ui/front_end.h"
#include "ui/handlers.h"
#include "view/accessible_view.h"
#include "view/pointer_shape.h"
#include "view/spoken_names.h"
#include "web/paint_list.h"

#include <algorithm>
#include <emscripten/emscripten.h>
#include <string_view>

using namespace pirandella;

// clang-format off
EM_JS(void, js_show_caption, (int id, const char* caption), {
    Module.platform.showCaption(id, UTF8ToString(caption));
});
EM_JS(void, js_run_timer, (int running, int interval), {
    Module.platform.runTimer(running !== 0, interval);
});
EM_JS(void, js_measure_text, (const char* text, const char* font, double points, double* size), {
    const measured = Module.platform.measureText(UTF8ToString(text), UTF8ToString(font), points);
    HEAPF64[size >> 3] = measured.width;
    HEAPF64[(size >> 3) + 1] = measured.height;
});
EM_JS(void, js_repaint, (), { Module.platform.repaint(); });
EM_JS(void, js_tell_screen_reader, (), { Module.platform.tellScreenReader(); });
EM_JS(void, js_open_menu_bar, (), { Module.platform.openMenuBar(); });
// clang-format on

namespace {

// CSS pixels are 1/96 inch.
constexpr double cssTwipsPerPixel = 1440.0 / 96;

class PagePlatform : public Platform {
  public:
    void showCaption(MenuId id, const std::string& caption) override {
        js_show_caption(id, caption.c_str());
    }
    void runTimer(bool running, int intervalMs) override { js_run_timer(running, intervalMs); }
    TextSize measureText(const std::string& utf8, const std::string& fontName,
                         float points) override {
        double size[2] = {0, 0};
        js_measure_text(utf8.c_str(), fontName.c_str(), points, size);
        return {size[0], size[1]};
    }
    void repaint() override { js_repaint(); }
    // The page asks for the nodes (web_accessible_nodes), and with them for what to say.
    void tellScreenReader(const std::string& announcement) override {
        pending = announcement;
        js_tell_screen_reader();
    }
    void openMenuBar() override { js_open_menu_bar(); }

    std::string pending; // what the last event has to say, until the page asks
};

struct WebGame {
    Game game;
    Artwork art;
    PaintList paint{art};
    PagePlatform platform;
    FrontEnd front{game, platform};
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

ElementRef Decode(int element) {
    if (element < 0) return {};
    return {static_cast<ElementRef::Kind>(element / 100), element % 100};
}

} // namespace

extern "C" {

// A new game seeded from the player's clock, on a screen of the given size in CSS pixels. Its
// first puzzle stands; web_start shows it once the page has put its platform on the module.
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

EMSCRIPTEN_KEEPALIVE void web_start(WebGame* w) {
    w->front.reflect();
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
    const ElementRef ref = Decode(element);
    if (ref.kind != ElementRef::Image2 || ref.index >= WindowModel::arrowCount) return 0;
    return static_cast<int>(w->game.window.image2[ref.index].pointer);
}

// An arrow pointer's shape in pixels of its 16 x 16 cell: a line "x,y x,y ... r,g,b" for its
// outline and one for its inner line, then its tip "x,y".
EMSCRIPTEN_KEEPALIVE const char* web_pointer_shape(WebGame* w, int pointer) {
    const auto p = static_cast<Pointer>(pointer);
    std::string out;
    const auto point = [](OutlinePoint q) {
        return std::to_string(static_cast<int>(q.x)) + ',' + std::to_string(static_cast<int>(q.y));
    };
    for (const PointerLine& line : PointerLines(p)) {
        for (const OutlinePoint& q : line.points) out += point(q) + ' ';
        const Colour c = line.colour;
        out += std::to_string(c.r) + ',' + std::to_string(c.g) + ',' + std::to_string(c.b) + '\n';
    }
    return Reply(w, out + point(PointerTip(p)));
}

// The mouse pressed and released on elements: a click when both are the same.
EMSCRIPTEN_KEEPALIVE void web_press(WebGame* w, int element) {
    w->front.press(Decode(element));
}

EMSCRIPTEN_KEEPALIVE void web_release(WebGame* w, int element) {
    w->front.release(Decode(element));
}

// A click made other than with the mouse: a screen reader's press of an arrow cell.
EMSCRIPTEN_KEEPALIVE void web_click(WebGame* w, int element) {
    w->front.click(Decode(element));
}

EMSCRIPTEN_KEEPALIVE void web_menu(WebGame* w, int id) {
    if (id >= 0 && id < 4) w->front.menu(static_cast<MenuId>(id));
}

EMSCRIPTEN_KEEPALIVE void web_tick(WebGame* w) {
    w->front.tick();
}

// A key (in the order of Key) pressed while the board has the keys; 0 when it does nothing here.
EMSCRIPTEN_KEEPALIVE int web_key(WebGame* w, int key) {
    if (key < 0 || key > static_cast<int>(Key::F2)) return 0;
    return w->front.key(static_cast<Key>(key)) ? 1 : 0;
}

// The board's size in CSS pixels: what = 0 its width, 1 its height.
EMSCRIPTEN_KEEPALIVE int web_board_size(WebGame* w, int what) {
    const PixelRect client = ClientBounds(w->game.window.form, w->game.screen.twipsPerPixel());
    return what == 0 ? client.width : client.height;
}

// The board's own words for a screen reader: what = 0 its name, 1 how it plays from the keys.
EMSCRIPTEN_KEEPALIVE const char* web_board_words(int what) {
    return what == 0 ? boardName : boardKeys;
}

// What a screen reader finds: first what to say now (the last event's announcement; often
// empty), then one node a line, ASCII 30 after each, its
// fields apart by ASCII 31: role (0 text, 1 button, 2 cell), element, x, y, width, height in CSS
// pixels, focused, name, description.
EMSCRIPTEN_KEEPALIVE const char* web_accessible_nodes(WebGame* w, int boardHasKeys) {
    const std::vector<AccessibleNode> nodes = AccessibleNodes(w->game, boardHasKeys != 0);
    std::string out = w->platform.pending + '\x1e';
    w->platform.pending.clear();
    for (const AccessibleNode& n : nodes) {
        for (const int number : {static_cast<int>(n.role), Encode(n.ref), n.bounds.x, n.bounds.y,
                                 n.bounds.width, n.bounds.height, n.focused ? 1 : 0})
            out += std::to_string(number) + '\x1f';
        out += n.name + '\x1f' + n.description + '\x1e';
    }
    return Reply(w, std::move(out));
}

} // extern "C"
