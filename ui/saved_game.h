// A game kept between visits of the page: the whole game (board, solution, moves made, a playback
// under way) and whether the instructions are shown, written as a short text with a version. It
// is read back whole or not at all: every invariant the game keeps is checked first.
#pragma once

#include "ui/session.h"

#include <string>
#include <string_view>

namespace pirandella {

// Longer histories are refused, so that a saved game stays a few megabytes at most.
inline constexpr int savedMovesLimit = 1000000;

std::string SaveGame(const Session& s);
// Puts the saved game into the session and returns "", or leaves the session as it was and
// says why the text was refused.
std::string RestoreGame(Session& s, std::string_view saved);

} // namespace pirandella
