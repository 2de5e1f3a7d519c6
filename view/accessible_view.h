// What a screen reader finds on the board, as plain data that each front end hands to its
// platform (AT-SPI through Qt, MSAA on Windows, ARIA in the browser): the message line, the
// instructions page while it is shown, every visible arrow cell as a button that makes its move,
// every visible tile as a cell with its place and letter. Hidden elements are not there.
#pragma once

#include "engine/game.h"

#include <map>
#include <string>
#include <vector>

namespace pirandella {

enum class AccessibleRole { StaticText, Button, Cell };

struct AccessibleNode {
    ElementRef ref;
    AccessibleRole role = AccessibleRole::StaticText;
    std::string name;
    std::string description; // the page's whole text; empty for the others
    bool pressable = false;  // a press does what a click does
    bool focusable = false;
    bool focused = false; // the keyboard's marker is on it and the board has the keys
    PixelRect bounds;     // layout pixels from the design's top-left corner
    bool operator==(const AccessibleNode&) const = default;
};

// Front to back, as the eye meets them: the message line, the page, the arrows, the tiles.
std::vector<AccessibleNode> AccessibleNodes(const Game& g, bool boardHasKeys);

// What changed since the last look, for the front end to tell the screen reader.
struct AccessibleChanges {
    std::vector<ElementRef> renamed; // still there, with another name
    bool reordered = false;          // elements came or went
    ElementRef focus;                // the arrow that took the focus; None when it did not move
};

class AccessibleWatch {
  public:
    AccessibleChanges look(const std::vector<AccessibleNode>& now);

  private:
    std::map<std::pair<int, int>, std::string> names_;
    bool looked_ = false;
    ElementRef focus_;
};

} // namespace pirandella
