// What must hold of a game whenever no handler is running.
#pragma once

#include "engine/game.h"

#include <string>

namespace pirandella::testing {

// Empty when every invariant holds, else the first one broken.
std::string BrokenInvariant(const Game& g);

} // namespace pirandella::testing
