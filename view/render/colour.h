// A colour, its alpha straight (not multiplied in).
#pragma once

#include <cstdint>

namespace pirandella {

struct Colour {
    std::uint8_t r = 0, g = 0, b = 0, a = 255;
    bool operator==(const Colour&) const = default;
};

} // namespace pirandella
