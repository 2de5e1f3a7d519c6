// The player's clock as the C library reads it, for the front ends that have no clock of their
// own to give the game (the page gives its own: web/window.cpp).
#include "engine/game.h"

#include <chrono>
#include <ctime>

namespace pirandella {

float Game::SecondsSinceMidnight() {
    using namespace std::chrono;
    const double now = duration<double>(system_clock::now().time_since_epoch()).count();
    const std::time_t whole = static_cast<std::time_t>(now);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &whole);
#else
    localtime_r(&whole, &local);
#endif
    return SecondsOfClock(now, local.tm_hour, local.tm_min, local.tm_sec);
}

} // namespace pirandella
