// Playing from the keyboard: a focus marker goes round the ring of visible arrow cells. On each
// side the arrow keys along it move the marker that way, round the corner past either end; the
// key pointing into the board crosses to the facing arrow on the other side.
#pragma once

#include "ui/keyboard.h"

#include <vector>

namespace pirandella {

// The visible arrow cells clockwise from the top-left: above, right, below, left.
std::vector<int> Ring(const WindowModel& w);
// Where the marker goes from the arrow at `from` (or from nowhere, -1): the first arrow of the
// ring when `from` is not a visible arrow; -1 when no arrow is visible.
// Only the four arrow keys move it.
int MoveInRing(const WindowModel& w, int from, Key key);

} // namespace pirandella
