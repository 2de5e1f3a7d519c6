// The one random generator of a game: seedable, uniform single-precision values in [0, 1),
// and scriptable so that tests can decide exactly what is drawn.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace pirandella {

class RandomSource {
  public:
    void seed(std::uint64_t value);
    // Values handed out before the generator's own, in order.
    void script(std::initializer_list<float> values);
    bool scripted() const { return scriptAt_ < script_.size(); }

    float next(); // 0 <= r < 1
    // A draw of 1..m, floor(r * m + 1).
    int draw(int m);

    // The top 24 bits of a word as a float in [0, 1); every such value is exact.
    static float unitFromBits(std::uint32_t bits);
    // floor(r * m + 1) with the product in single precision; never m + 1 for r < 1.
    static int mapDraw(float r, int m);

  private:
    std::uint64_t state_ = 0x853c49e6748fea9bULL;
    std::vector<float> script_; // from scriptAt_ on, not yet handed out
    std::size_t scriptAt_ = 0;
};

} // namespace pirandella
