// A game kept between visits of the page: the whole game (board, solution, moves made, a playback
// under way) and whether the instructions are shown, written as a short text with a version:
//
//   pirandella-game 1
//   N NAME_1 ... NAME_N                     the board's size and its names, row by row
//   LETTERS                                 the board, N x N letters row by row
//   COUNT SCRAMBLE CODE_1 ... CODE_COUNT    the moves made, each 10 x direction + line
//   REPLAYING INDEX ALL SHOWN ENDED SOLVED PAGE   the playback, the end, the page (0 or 1 each;
//                                                 SOLVED the moves of the solve, or -1)
//
// It is read back whole or not at all: every invariant the game keeps is checked first.
#pragma once

#include "engine/game.h"
#include "ui/playback.h"

#include <string>
#include <string_view>

namespace pirandella {

// Longer histories are refused, so that a kept game stays a few megabytes at most.
inline constexpr int keptMovesLimit = 1000000;

struct KeptGame {
    Game game;
    Playback playback;
    bool instructionsShown = false;
};

std::string WriteKeptGame(const KeptGame& kept);
// Reads a kept game over `into` (whose tables, random source and clock stay) and returns "", or
// leaves `into` as it was and says why the text was refused.
std::string ReadKeptGame(std::string_view text, KeptGame& into);

} // namespace pirandella
