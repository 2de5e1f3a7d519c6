// The outline encoding shared with the glyph file, read with a reader that throws on a fault.
#include "view/outline_bytes.h"

#include <cmath>
#include <cstring>

namespace pirandella {

namespace outline_bytes {

void Reader::fail(const std::string& what) const {
    throw OutlineError(std::string("pirandella: the ") + kind_ + " " + name_ +
                       " is damaged: " + what + " at byte " + std::to_string(at_));
}

const char* Reader::take(std::size_t n) {
    if (left() < n) fail("it ends too early");
    const char* p = bytes_.data() + at_;
    at_ += n;
    return p;
}

std::uint32_t Reader::u32() {
    const auto* p = reinterpret_cast<const unsigned char*>(take(4));
    return p[0] | p[1] << 8 | p[2] << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

double Reader::number() {
    const auto* p = reinterpret_cast<const unsigned char*>(take(8));
    std::uint64_t bits = 0;
    for (int i = 7; i >= 0; --i) bits = bits << 8 | p[i];
    double d;
    std::memcpy(&d, &bits, sizeof d); // no std::bit_cast in every standard library we build with
    if (!std::isfinite(d)) fail("a value is not a number");
    return d;
}

Outline ReadOutline(Reader& in, double limit) {
    Outline o;
    const std::uint8_t fill = in.byte();
    if (fill > 1) in.fail("unknown fill rule " + std::to_string(fill));
    o.fill = static_cast<Outline::Fill>(fill);
    const std::uint32_t steps = in.u32();
    if (steps > in.left() / 17) in.fail("more steps than the file holds"); // 17: a line's bytes
    o.steps.reserve(steps);
    for (std::uint32_t i = 0; i < steps; ++i) {
        const std::uint8_t step = in.byte();
        if (step > 2) in.fail("unknown step " + std::to_string(step));
        if (i == 0 && step != 0) in.fail("an outline that does not start with a move");
        o.steps.push_back(static_cast<Outline::Step>(step));
        for (int k = step == 2 ? 3 : 1; k > 0; --k) {
            const double x = in.number(), y = in.number();
            if (std::abs(x) > limit || std::abs(y) > limit) in.fail("a point out of range");
            o.points.push_back({x, y});
        }
    }
    return o;
}

void Put32(std::string& out, std::uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8) out += static_cast<char>(v >> shift & 0xff);
}

void PutNumber(std::string& out, double d) {
    std::uint64_t bits;
    std::memcpy(&bits, &d, sizeof bits);
    for (int shift = 0; shift < 64; shift += 8) out += static_cast<char>(bits >> shift & 0xff);
}

void PutOutline(std::string& out, const Outline& o) {
    out += static_cast<char>(o.fill);
    Put32(out, static_cast<std::uint32_t>(o.steps.size()));
    std::size_t point = 0;
    for (const Outline::Step step : o.steps) {
        out += static_cast<char>(step);
        for (int k = step == Outline::Step::Cubic ? 3 : 1; k > 0; --k, ++point) {
            PutNumber(out, o.points.at(point).x);
            PutNumber(out, o.points.at(point).y);
        }
    }
}

} // namespace outline_bytes

} // namespace pirandella
