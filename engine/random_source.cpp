#include "engine/random_source.h"

#include <cmath>

namespace pirandella {

void RandomSource::seed(std::uint64_t value) {
    state_ = value;
}

void RandomSource::script(std::initializer_list<float> values) {
    for (const float v : values) script_.push_back(v);
}

float RandomSource::next() {
    if (scripted()) {
        const float r = script_[scriptAt_++];
        if (scriptAt_ == script_.size()) script_.clear(), scriptAt_ = 0;
        return r;
    }
    // SplitMix64: small, fast and well mixed for any seed.
    std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    z ^= z >> 31;
    return unitFromBits(static_cast<std::uint32_t>(z >> 32));
}

float RandomSource::unitFromBits(std::uint32_t bits) {
    // 24 bits fill a float's mantissa exactly, so the result is never rounded up to 1.
    return static_cast<float>(bits >> 8) * (1.0f / 16777216.0f);
}

int RandomSource::mapDraw(float r, int m) {
    // floor(r * m) + 1 equals floor(r * m + 1), but adding 1 in single precision first can round
    // a value just below m + 1 up to m + 1 (for m = 4 or 32 with r next below 1).
    const float product = r * static_cast<float>(m);
    return static_cast<int>(std::floor(product)) + 1;
}

int RandomSource::draw(int m) {
    return mapDraw(next(), m);
}

} // namespace pirandella
