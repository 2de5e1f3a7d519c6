// What a screen reader finds on the board, for the page's overlay (web/page/screen_reader.js).
#include "web/window.h"

#include <cstdint>
#include <emscripten/emscripten.h>

using namespace pirandella;

// What to say now (the last event's announcement; often empty), then the nodes front to back,
// each as the numbers nodeFields names: its place and size are in the design's CSS pixels.
extern "C" EMSCRIPTEN_KEEPALIVE const double* web_accessible_nodes(WebGame* w, int boardHasKeys) {
    w->spoken = std::exchange(w->pending, {});
    w->nodes = w->midend.accessibleNodes(boardHasKeys != 0);
    const auto text = [](const std::string& t) {
        return reinterpret_cast<std::uintptr_t>(t.c_str());
    };
    w->answer();
    w->more(text(w->spoken));
    for (const AccessibleNode& n : w->nodes)
        w->record<nodeFields>(static_cast<int>(n.role), Encode(n.ref), n.bounds.x, n.bounds.y,
                              n.bounds.width, n.bounds.height, n.focused, text(n.name),
                              text(n.description));
    return w->numbers.data();
}
