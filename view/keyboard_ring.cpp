#include "view/keyboard_ring.h"

#include <algorithm>

namespace pirandella {

namespace {

// Sides in ring order with their arrows clockwise; each side's key that goes clockwise, the one
// that goes back, and the one that points into the board.
struct Side {
    int first, step; // arrow indices first, first + step, ... (seven of them)
    RingKey forward, back, across;
};
constexpr Side sides[4] = {{0, 1, RingKey::Right, RingKey::Left, RingKey::Down},
                           {7, 1, RingKey::Down, RingKey::Up, RingKey::Left},
                           {27, -1, RingKey::Left, RingKey::Right, RingKey::Up},
                           {20, -1, RingKey::Up, RingKey::Down, RingKey::Right}};

int SideOf(int arrow) {
    return arrow < 7 ? 0 : arrow < 14 ? 1 : arrow < 21 ? 3 : 2;
}

// The arrow across the board from this one: the other end of its column or row.
int Facing(int arrow) {
    const int group = arrow / 7, k = arrow % 7;
    static constexpr int opposite[4] = {3, 2, 1, 0}; // above-below, right-left
    return opposite[group] * 7 + k;
}

} // namespace

std::vector<int> Ring(const WindowModel& w) {
    std::vector<int> ring;
    for (const Side& side : sides)
        for (int k = 0; k < 7; ++k) {
            const int arrow = side.first + side.step * k;
            if (w.arrows[arrow].visible) ring.push_back(arrow);
        }
    return ring;
}

int MoveInRing(const WindowModel& w, int from, RingKey key) {
    const std::vector<int> ring = Ring(w);
    if (ring.empty()) return -1;
    const auto at = std::find(ring.begin(), ring.end(), from);
    if (at == ring.end()) return ring.front();
    const Side& side = sides[SideOf(from)];
    const int size = static_cast<int>(ring.size()), place = static_cast<int>(at - ring.begin());
    if (key == side.forward) return ring[(place + 1) % size];
    if (key == side.back) return ring[(place + size - 1) % size];
    if (key == side.across && w.arrows[Facing(from)].visible) return Facing(from);
    return from;
}

} // namespace pirandella
