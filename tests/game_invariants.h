// What must hold of a game and the window that shows it whenever no handler is running.
#pragma once

#include "event_player.h"

#include <string>

namespace pirandella::testing {

// Empty when every invariant holds, else the first one broken; with the platform, also that the
// clock runs just while a playback does.
std::string BrokenInvariant(const Midend& m, const StubPlatform* platform = nullptr);

} // namespace pirandella::testing
