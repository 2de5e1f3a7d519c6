// The page's game and its events: plain C functions over a handle, called from JavaScript. Each
// event goes to the midend, which brings the page in line through the platform below.
#include "web/window.h"
#include "view/window/display_scaling.h"

#include <emscripten/emscripten.h>

using namespace pirandella;

// The page's side of the platform, imported from it (web/module.js): each goes to the object the
// page puts on the module as `platform`.
extern "C" {
void js_show_caption(int id, const char* caption);
void js_run_clock(int interval);
void js_repaint();
void js_tell_screen_reader();
void js_open_menu_bar();
// The player's clock: seconds since 1970, and the local hour, minute and second it is.
double js_clock(int* hourMinuteSecond);
}

// The page's clock, not the C library's, whose time zones the page's WebAssembly would then hold.
float Game::SecondsSinceMidnight() {
    int clock[3] = {};
    const double now = js_clock(clock);
    return SecondsOfClock(now, clock[0], clock[1], clock[2]);
}

void WebGame::showCaption(Command c, const std::string& caption) {
    js_show_caption(static_cast<int>(c), caption.c_str());
}
void WebGame::runClock(int intervalMs) {
    js_run_clock(intervalMs);
}
void WebGame::repaint() {
    js_repaint();
}
void WebGame::tellScreenReader(const std::string& announcement) {
    pending = announcement;
    js_tell_screen_reader();
}
void WebGame::openMenuBar() {
    js_open_menu_bar();
}

extern "C" {

// A new game on a screen of the given size in CSS pixels (1/96 inch), its first puzzle set up;
// web_start shows it once the page is its platform. The page's menu bar stands outside the board,
// which is all the canvas shows: no chrome.
EMSCRIPTEN_KEEPALIVE WebGame* web_create(double screenWidth, double screenHeight) {
    auto* w = new WebGame(Game{});
    w->midend.setScreen(ScreenOf(96, 96, screenWidth, screenHeight));
    w->midend.start();
    return w;
}

EMSCRIPTEN_KEEPALIVE void web_start(WebGame* w) {
    w->midend.setPlatform(*w);
}

// An outline file of letters or of the instructions page (OutlineSet) from bytes the page
// fetched: "", or why it was refused, in Italian for the player.
EMSCRIPTEN_KEEPALIVE const char* web_load_outlines(WebGame* w, int set, const char* bytes,
                                                   int size) {
    const bool letters = set == static_cast<int>(OutlineSet::Letters);
    OutlineFile file = ReadOutlineFile(std::string_view(bytes, static_cast<std::size_t>(size)),
                                       letters ? lettersFile : pageFile);
    (letters ? w->art.letters : w->art.page) = std::move(file.outlines);
    return w->answer(std::move(file.error));
}

// The frontmost element under a device pixel of the canvas, and the pointer it shows there.
EMSCRIPTEN_KEEPALIVE int web_element_at(WebGame* w, double x, double y) {
    return Encode(w->midend.elementAt(x, y));
}
EMSCRIPTEN_KEEPALIVE int web_pointer_at(WebGame* w, double x, double y) {
    return static_cast<int>(w->midend.pointerAt(x, y));
}

// The mouse pressed and released on elements; a click, from a screen reader, on one.
EMSCRIPTEN_KEEPALIVE void web_press(WebGame* w, int element) {
    w->midend.press(Decode(element));
}
EMSCRIPTEN_KEEPALIVE void web_release(WebGame* w, int element) {
    w->midend.release(Decode(element));
}
EMSCRIPTEN_KEEPALIVE void web_click(WebGame* w, int element) {
    w->midend.click(Decode(element));
}

EMSCRIPTEN_KEEPALIVE void web_command(WebGame* w, int id) {
    if (id >= 0 && id < commandCount) w->midend.command(static_cast<Command>(id));
}

EMSCRIPTEN_KEEPALIVE void web_tick(WebGame* w) {
    w->midend.tick();
}

// A key (in the order of Key) pressed while the board has the keys; 0 when it does nothing here.
EMSCRIPTEN_KEEPALIVE int web_key(WebGame* w, int key) {
    return key >= 0 && key < keyCount && w->midend.key(static_cast<Key>(key)) ? 1 : 0;
}

// The game as text to keep, and a kept game put back: "" when taken, else why it was refused
// (the game then stays as it was).
EMSCRIPTEN_KEEPALIVE const char* web_save(WebGame* w) {
    return w->answer(w->midend.save());
}
EMSCRIPTEN_KEEPALIVE const char* web_restore(WebGame* w, const char* kept) {
    return w->answer(w->midend.restore(kept));
}

} // extern "C"
