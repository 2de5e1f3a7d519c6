// What a screen reader finds on the board, as plain data that each front end hands to its
// platform (AT-SPI through Qt, MSAA on Windows, ARIA in the browser): the message line, the
// instructions page while it is shown, every arrow cell as a button that makes its move, with
// its line's letters as its description, every tile as a cell with its place and letter. What is
// hidden, or covered by the page, is not there.
#pragma once

#include "view/window/window_model.h"

#include <map>
#include <string>
#include <vector>

namespace pirandella {

enum class AccessibleRole { StaticText, Button, Cell };

struct AccessibleNode {
    ElementRef ref;
    AccessibleRole role = AccessibleRole::StaticText;
    std::string name;
    std::string description; // an arrow's line: "Colonna 3: G, A, T, T, O; 2 al posto giusto"
    bool pressable = false;  // a press does what a click does
    bool focusable = false;
    bool focused = false;
    PixelRect bounds; // layout pixels from the design's top-left corner
    bool operator==(const AccessibleNode&) const = default;
};

// Front to back, as the eye meets them: the message line, the page, the arrows, the tiles.
// While the board has the keys one node has the focus: the page while it is shown, else the
// marked arrow, else, once the arrows are gone, the message line.
std::vector<AccessibleNode> AccessibleNodes(const WindowModel& w, const Game& g, const View& v,
                                            bool boardHasKeys);

// What changed since the last look, for the front end to tell the screen reader.
struct AccessibleChanges {
    std::vector<ElementRef> removed, added; // nodes that went, nodes that came
    std::vector<ElementRef> renamed;        // still there, with another name
    bool focusMoved = false;
    ElementRef focus; // the focused node; None: the board itself
};

class AccessibleWatch {
  public:
    AccessibleChanges look(const std::vector<AccessibleNode>& now);

  private:
    std::map<std::pair<int, int>, std::string> seen_; // names
    bool looked_ = false;
    ElementRef focus_;
};

} // namespace pirandella
