// The page's view of one game: plain C functions over a handle, called from JavaScript. Events go
// to the core's front end, which brings the page in line through the platform below: each of its
// calls goes to the object the page puts on the module as `platform` (web/page/app.js).
#include "ui/front_end.h"
#include "ui/saved_game.h"
#include "view/accessible_view.h"
#include "view/glyph_font.h"
#include "view/pointer_shape.h"
#include "view/raster_canvas.h"
#include "view/spoken_names.h"
#include "web/paint_list.h"

#include <algorithm>
#include <cmath>
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
EM_JS(void, js_repaint, (), { Module.platform.repaint(); });
EM_JS(void, js_tell_screen_reader, (), { Module.platform.tellScreenReader(); });
EM_JS(void, js_open_menu_bar, (), { Module.platform.openMenuBar(); });
// clang-format on

namespace {

// CSS pixels are 1/96 inch.
constexpr double cssTwipsPerPixel = 1440.0 / 96;

class PagePlatform : public Platform {
  public:
    void showCaption(Command c, const std::string& caption) override {
        js_show_caption(static_cast<int>(c), caption.c_str());
    }
    void runTimer(bool running, int intervalMs) override { js_run_timer(running, intervalMs); }
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
    Session session;
    Artwork art;
    PaintList paint;
    PixelImage pointer;   // the last pointer picture handed to the page
    PixelImage reference; // the last frame the core painted itself, for the page's test
    PagePlatform platform;
    FrontEnd front{session, platform};
    std::string reply;        // the last text handed to the page
    std::string outlineError; // why the last outline file was refused
    PaintSetup at;            // where the design stands on the canvas (web_layout)
};

// What the player must see, in layout pixels: the board with a row of arrow cells on each side
// (shown or not, so the board keeps its size when solved), the message line's height (its width
// is fitted on its own: Layout) and the instructions page while it is shown.
BoxF FitBox(const WindowModel& w, TwipsScale tpp) {
    double x0 = 1e9, y0 = 1e9, x1 = -1e9, y1 = -1e9;
    const auto add = [&](PixelRect r, int grow) {
        x0 = std::min<double>(x0, r.x - grow);
        y0 = std::min<double>(y0, r.y - grow);
        x1 = std::max<double>(x1, r.x + r.width + grow);
        y1 = std::max<double>(y1, r.y + r.height + grow);
    };
    const int pitch = PixelBounds(w.tiles[1], tpp).x - PixelBounds(w.tiles[0], tpp).x;
    for (const ImageElement& tile : w.tiles)
        if (tile.visible) add(PixelBounds(tile, tpp), pitch);
    if (w.page.visible) add(PixelBounds(w.page, tpp), 0);
    if (w.message.visible) { // its height, under the board
        PixelRect line = PixelBounds(w.message, tpp);
        line.x = static_cast<int>(x0);
        line.width = 0;
        add(line, 0);
    }
    return {x0, y0, x1 - x0, y1 - y0};
}

// The design on a canvas of the given device pixels: what must be seen as large as fits, in the
// middle, at a scale of device pixels per layout pixel; the photograph behind all of it.
PaintSetup Layout(const Session& s, double devicePixelRatio, double deviceWidth,
                  double deviceHeight, bool arrowsShowPointers) {
    const TwipsScale tpp = s.view.screen.twipsPerPixel();
    const WindowModel w = WindowOf(s);
    const PixelRect client = ClientBounds(w.form, tpp);
    const BoxF fit = FitBox(w, tpp);
    constexpr double margin = 4; // CSS pixels on every side
    const double cssWidth = deviceWidth / devicePixelRatio,
                 cssHeight = deviceHeight / devicePixelRatio;
    const double zoom = std::max(
        0.25, std::min((cssWidth - 2 * margin) / fit.width, (cssHeight - 2 * margin) / fit.height));
    PaintSetup at;
    at.devicePixelRatio = devicePixelRatio * zoom;
    at.twipsPerPixel = tpp;
    at.originX = static_cast<int>(std::lround((cssWidth / zoom - fit.width) / 2 - fit.x));
    at.originY = static_cast<int>(std::lround((cssHeight / zoom - fit.height) / 2 - fit.y));
    at.area = {0, 0, deviceWidth / at.devicePixelRatio, deviceHeight / at.devicePixelRatio};
    at.designWidth = client.width;
    at.designHeight = client.height;
    at.arrowsShowPointers = arrowsShowPointers;
    // The message line as large as the board where it fits on the screen from its own place, else
    // from under the board's left edge, and smaller where it must be.
    const PixelRect line = PixelBounds(w.message, tpp);
    const double left = -at.originX + margin / zoom, right = (cssWidth - margin) / zoom;
    at.messageShift = std::max(0.0, left - line.x);
    const double room = right - (at.originX + line.x + at.messageShift);
    if (line.width > 0) at.messageScale = std::clamp(room / line.width, 0.5, 1.0);
    at.photoFillsArea = true;
    at.screenRatio = devicePixelRatio;
    return at;
}

const char* Reply(WebGame* w, std::string text) {
    w->reply = std::move(text);
    return w->reply.c_str();
}

std::vector<Outline>& OutlinesOf(WebGame* w, int set) {
    return set == 0 ? w->art.letters : set == 1 ? w->art.page : w->art.shapes;
}

// An element as one number for the page: kind * 100 + index, or -1 for none.
int Encode(ElementRef ref) {
    return ref.kind == ElementRef::None ? -1 : ref.kind * 100 + ref.index;
}

ElementRef Decode(int element) {
    const int kind = element / 100;
    if (element < 0 || kind < ElementRef::Tile || kind > ElementRef::Message) return {};
    return {static_cast<ElementRef::Kind>(kind), element % 100};
}

// The numbers the page shares with the core, as JSON: named here, valued by the core's own types.
std::string Constants() {
    std::string json = "{";
    const auto group = [&json](const char* name,
                               std::initializer_list<std::pair<const char*, int>> entries) {
        json += std::string(json.size() > 1 ? "," : "") + '"' + name + "\":{";
        const char* comma = "";
        for (const auto& [key, value] : entries) {
            json += std::string(comma) + '"' + key + "\":" + std::to_string(value);
            comma = ",";
        }
        json += '}';
    };
    group("element", {{"page", Encode(pageRef)},
                      {"message", Encode(messageRef)},
                      {"tile", ElementRef::Tile},
                      {"arrow", ElementRef::Arrow},
                      {"perKind", 100}});
    group("role", {{"text", static_cast<int>(AccessibleRole::StaticText)},
                   {"button", static_cast<int>(AccessibleRole::Button)},
                   {"cell", static_cast<int>(AccessibleRole::Cell)}});
    group("outlines", {{"letters", static_cast<int>(OutlineSet::Letters)},
                       {"page", static_cast<int>(OutlineSet::Page)},
                       {"shapes", static_cast<int>(OutlineSet::Shapes)},
                       {"glyphs", static_cast<int>(OutlineSet::Glyphs)}});
    group("paint", {{"fillBox", static_cast<int>(PaintCode::FillBox)},
                    {"drawPhoto", static_cast<int>(PaintCode::DrawPhoto)},
                    {"beginPicture", static_cast<int>(PaintCode::BeginPicture)},
                    {"endPicture", static_cast<int>(PaintCode::EndPicture)},
                    {"fillOutline", static_cast<int>(PaintCode::FillOutline)}});
    group("key", {{"ArrowLeft", static_cast<int>(Key::Left)},
                  {"ArrowRight", static_cast<int>(Key::Right)},
                  {"ArrowUp", static_cast<int>(Key::Up)},
                  {"ArrowDown", static_cast<int>(Key::Down)},
                  {"Enter", static_cast<int>(Key::Enter)},
                  {" ", static_cast<int>(Key::Space)},
                  {"Escape", static_cast<int>(Key::Escape)},
                  {"F10", static_cast<int>(Key::F10)}});
    group("shortcut", {{"Control+z", static_cast<int>(Key::CtrlZ)},
                       {"Control+n", static_cast<int>(Key::CtrlN)},
                       {"F1", static_cast<int>(Key::F1)},
                       {"F2", static_cast<int>(Key::F2)}});
    group("pointer", {{"default", static_cast<int>(Pointer::Default)},
                      {"last", static_cast<int>(Pointer::ArrowUp)}});
    return json + '}';
}

} // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE const char* web_constants() {
    static const std::string constants = Constants();
    return constants.c_str();
}

// A new game seeded from the player's clock, on a screen of the given size in CSS pixels. Its
// first puzzle stands; web_start shows it once the page has put its platform on the module.
EMSCRIPTEN_KEEPALIVE WebGame* web_create(double epochSeconds, int hour, int minute, int second,
                                         double screenWidth, double screenHeight) {
    auto* w = new WebGame;
    Session& s = w->session;
    const float seed = Game::SecondsOfClock(epochSeconds, hour, minute, second);
    s.game.timeOfDay = [seed] { return seed; };
    ScreenMetrics& screen = s.view.screen;
    screen.twipsPerPixelX = screen.twipsPerPixelY = cssTwipsPerPixel;
    screen.widthTwips = screenWidth * cssTwipsPerPixel;
    screen.heightTwips = screenHeight * cssTwipsPerPixel;
    // The page's menu bar stands outside the board, which is all the canvas shows: no chrome.
    StartGame(s);
    return w;
}

EMSCRIPTEN_KEEPALIVE void web_start(WebGame* w) {
    w->front.reflect();
}

// Reads an outline file (0 letters, 1 the instructions page) from bytes the page fetched: its
// number of outlines, or -1 for a damaged file, which web_outline_error then describes. Built
// without exceptions, so the reader that never throws.
EMSCRIPTEN_KEEPALIVE int web_load_outlines(WebGame* w, int set, const char* bytes, int size) {
    if (set != 0 && set != 1) return 0;
    OutlineFile file = ReadOutlineFile(std::string_view(bytes, static_cast<std::size_t>(size)),
                                       set == 0 ? lettersFile : pageFile);
    OutlinesOf(w, set) = std::move(file.outlines);
    w->outlineError = std::move(file.error);
    return w->outlineError.empty() ? static_cast<int>(OutlinesOf(w, set).size()) : -1;
}

// What was wrong with the last outline file refused, in Italian for the player.
EMSCRIPTEN_KEEPALIVE const char* web_outline_error(WebGame* w) {
    return Reply(w, w->outlineError);
}

// The number of outlines in a set (0 letters, 1 the page, 2 the shapes the core draws, 3 the
// glyphs of the message line's font).
EMSCRIPTEN_KEEPALIVE int web_outline_count(WebGame* w, int set) {
    const auto id = static_cast<OutlineSet>(set);
    return static_cast<int>(id == OutlineSet::Glyphs ? MessageFont().glyphs.size()
                                                     : OutlinesOf(w, set).size());
}

// One outline for the page's paths: what = 0 its fill rule (0 even-odd), 1 its number of steps,
// 2 where its steps are (a byte each: 0 move, 1 line, 2 cubic), 3 where its points are (x, y
// doubles, one for a move or a line, three for a cubic).
EMSCRIPTEN_KEEPALIVE int web_outline(WebGame* w, int set, int index, int what) {
    const Outline* found = w->art.find({static_cast<OutlineSet>(set), index});
    if (!found) return 0;
    const Outline& o = *found;
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

// Lays the design out on a canvas of the given device pixels (no hover: the arrow cells draw their
// pointers) and gives its scale, device pixels per layout pixel.
EMSCRIPTEN_KEEPALIVE double web_layout(WebGame* w, double devicePixelRatio, double deviceWidth,
                                       double deviceHeight, int noHover) {
    w->at = Layout(w->session, devicePixelRatio, deviceWidth, deviceHeight, noHover != 0);
    return w->at.devicePixelRatio;
}

// Where the design's corner stands on the canvas, in layout pixels: what = 0 x, 1 y.
EMSCRIPTEN_KEEPALIVE int web_origin(WebGame* w, int what) {
    return what == 0 ? w->at.originX : w->at.originY;
}

// The message line's size against the rest of the design, as laid out (1, or less on a narrow
// screen).
EMSCRIPTEN_KEEPALIVE double web_message_scale(WebGame* w, int what) {
    return what == 0 ? w->at.messageScale : w->at.messageShift;
}

// The whole board painted as laid out, as a list of numbers; its length follows.
EMSCRIPTEN_KEEPALIVE const double* web_paint(WebGame* w) {
    w->paint.clear();
    const Session& s = w->session;
    PaintWindow(w->paint, WindowOf(s), w->art, w->at, s.view.marker);
    return w->paint.numbers().data();
}

// A photograph of one colour: the reference frame leaves the picture out.
struct PlainPhoto : PhotoSource {
    explicit PlainPhoto(std::uint32_t c) : colour(c) {}
    std::uint32_t colour;
    PixelImage image;
    const PixelImage& photo(Photo, int width, int height) override {
        image = {width, height,
                 std::vector<std::uint32_t>(static_cast<std::size_t>(width) * height, colour)};
        return image;
    }
};

// The same frame as web_paint (as laid out), painted by the core's own renderer into the canvas's
// device pixels
// (0xAARRGGBB, premultiplied) on a photograph of one colour: what the page's test compares its
// canvas with (where two grounds give the same pixel, nothing of the photograph shows through).
EMSCRIPTEN_KEEPALIVE const std::uint32_t* web_reference(WebGame* w, int deviceWidth,
                                                        int deviceHeight, unsigned ground) {
    const Session& s = w->session;
    w->reference = {
        deviceWidth, deviceHeight,
        std::vector<std::uint32_t>(static_cast<std::size_t>(deviceWidth) * deviceHeight)};
    PlainPhoto photo(0xff000000 | ground);
    RasterCanvas canvas(w->reference.surface(), w->art, photo);
    PaintWindow(canvas, WindowOf(s), w->art, w->at, s.view.marker);
    return w->reference.pixels.data();
}

EMSCRIPTEN_KEEPALIVE int web_paint_length(WebGame* w) {
    return static_cast<int>(w->paint.numbers().size());
}

// The frontmost element under a device pixel of the canvas, as laid out.
EMSCRIPTEN_KEEPALIVE int web_element_at(WebGame* w, double x, double y) {
    return Encode(ElementAtDevicePixel(WindowOf(w->session), w->at, x, y));
}

// The game as text to keep, and a kept game put back: "" when taken, else why it was refused
// (the game then stays as it was).
EMSCRIPTEN_KEEPALIVE const char* web_save(WebGame* w) {
    return Reply(w, SaveGame(w->session));
}

EMSCRIPTEN_KEEPALIVE const char* web_restore(WebGame* w, const char* saved) {
    return Reply(w, RestoreGame(w->session, saved));
}

// The pointer an element shows: 0 the default, else one of the arrows.
EMSCRIPTEN_KEEPALIVE int web_pointer(WebGame* w, int element) {
    const ElementRef ref = Decode(element);
    if (ref.kind != ElementRef::Arrow || ref.index >= WindowModel::arrowCount) return 0;
    return static_cast<int>(WindowOf(w->session).arrows[ref.index].pointer);
}

// An arrow pointer's picture at a display scale, drawn by the core: its pixels (0xAARRGGBB,
// premultiplied), its side as web_pointer_side, and its tip at web_pointer_tip (what = 0 x, 1 y).
EMSCRIPTEN_KEEPALIVE const std::uint32_t* web_pointer_picture(WebGame* w, int pointer,
                                                              double scale) {
    w->pointer = PointerPicture(static_cast<Pointer>(pointer), scale);
    return w->pointer.pixels.data();
}

EMSCRIPTEN_KEEPALIVE int web_pointer_side(WebGame* w) {
    return w->pointer.width;
}

EMSCRIPTEN_KEEPALIVE int web_pointer_tip(WebGame*, int pointer, int what) {
    const OutlinePoint tip = PointerTip(static_cast<Pointer>(pointer));
    return static_cast<int>(what == 0 ? tip.x : tip.y);
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

EMSCRIPTEN_KEEPALIVE void web_command(WebGame* w, int id) {
    if (id >= 0 && id < commandCount) w->front.command(static_cast<Command>(id));
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
    const Session& s = w->session;
    const PixelRect client = ClientBounds(WindowOf(s).form, s.view.screen.twipsPerPixel());
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
    const std::vector<AccessibleNode> nodes =
        AccessibleNodes(w->session.game, w->session.view, boardHasKeys != 0);
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
