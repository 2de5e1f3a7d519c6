// What a screen reader finds on the board, for the page's overlay (web/page/screen_reader.js).
#include "web/json.h"
#include "web/window.h"

#include <emscripten/emscripten.h>

using namespace pirandella;

// As JSON: what to say now (the last event's announcement; often empty), and the nodes front to
// back, each with its role (AccessibleRole), element, place and size in the design's CSS pixels,
// whether it has the focus, its name and its description.
extern "C" EMSCRIPTEN_KEEPALIVE const char* web_accessible_nodes(WebGame* w, int boardHasKeys) {
    std::vector<std::string> nodes;
    for (const AccessibleNode& n : w->midend.accessibleNodes(boardHasKeys != 0))
        nodes.push_back(JsonObject({{"role", JsonNumber(static_cast<int>(n.role))},
                                    {"element", JsonNumber(Encode(n.ref))},
                                    {"x", JsonNumber(n.bounds.x)},
                                    {"y", JsonNumber(n.bounds.y)},
                                    {"width", JsonNumber(n.bounds.width)},
                                    {"height", JsonNumber(n.bounds.height)},
                                    {"focused", n.focused ? "true" : "false"},
                                    {"name", JsonString(n.name)},
                                    {"description", JsonString(n.description)}}));
    const std::string speak = std::exchange(w->pending, {});
    return w->answer(JsonObject({{"speak", JsonString(speak)}, {"nodes", JsonArray(nodes)}}));
}
