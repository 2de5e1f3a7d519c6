#include "ui/keyboard_ring.h"

#include <algorithm>

namespace pirandella {

namespace {

// Sides in ring order with their arrows clockwise; each side's key that goes clockwise, the one
// that goes back, and the one that points into the board.
struct RingSide {
    int first, step; // arrow indices first, first + step, ... (seven of them)
    Key forward, back, across;
};
constexpr RingSide ring[4] = {{ArrowCell(Side::Above, 0), 1, Key::Right, Key::Left, Key::Down},
                              {ArrowCell(Side::Right, 0), 1, Key::Down, Key::Up, Key::Left},
                              {ArrowCell(Side::Below, 6), -1, Key::Left, Key::Right, Key::Up},
                              {ArrowCell(Side::Left, 6), -1, Key::Up, Key::Down, Key::Right}};

const RingSide& RingSideOf(int arrow) {
    static constexpr int place[4] = {0, 1, 3, 2}; // above, right, left, below in the ring
    return ring[place[static_cast<int>(SideOf(arrow))]];
}

// The arrow cell across the board from this one: the other end of its column or row.
int Facing(int arrow) {
    static constexpr Side opposite[4] = {Side::Below, Side::Left, Side::Right, Side::Above};
    return ArrowCell(opposite[static_cast<int>(SideOf(arrow))], GridLineOf(arrow));
}

} // namespace

std::vector<int> Ring(const WindowModel& w) {
    std::vector<int> cells;
    for (const RingSide& side : ring)
        for (int k = 0; k < 7; ++k) {
            const int arrow = side.first + side.step * k;
            if (w.arrows[arrow].visible) cells.push_back(arrow);
        }
    return cells;
}

int MoveInRing(const WindowModel& w, int from, Key key) {
    const std::vector<int> cells = Ring(w);
    if (cells.empty()) return -1;
    const auto at = std::find(cells.begin(), cells.end(), from);
    if (at == cells.end()) return cells.front();
    const RingSide& side = RingSideOf(from);
    const int size = static_cast<int>(cells.size()), place = static_cast<int>(at - cells.begin());
    if (key == side.forward) return cells[(place + 1) % size];
    if (key == side.back) return cells[(place + size - 1) % size];
    if (key == side.across && w.arrows[Facing(from)].visible) return Facing(from);
    return from;
}

} // namespace pirandella
