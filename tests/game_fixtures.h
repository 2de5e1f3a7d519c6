// Games built from scripted draws, so a test knows the size, the names and the scramble.
#pragma once

#include "ui/session.h"

#include <string>
#include <vector>

namespace pirandella::testing {

// The draw r that picks item k of 1..m.
float Pick(int k, int m);
// The draw that makes the board size n.
float SizeDraw(int n);

// A set-up puzzle of size n; its names and scramble come from the seeded generator.
Session NewGame(int n, unsigned seed = 1);
// A puzzle of size n laid with the candidates at the given positions, not scrambled.
Session SolvedGame(int n, const std::vector<int>& candidateIndices);
// The letters of board row r (1-based) and column c.
std::string Row(const Game& g, int r);
std::string Column(const Game& g, int c);
inline std::string Row(const Session& s, int r) {
    return Row(s.game, r);
}
inline std::string Column(const Session& s, int c) {
    return Column(s.game, c);
}
// All board letters in position order.
std::string Letters(const Game& g);
inline std::string Letters(const Session& s) {
    return Letters(s.game);
}
// Applies one move as a player would.
void Turn(Game& g, Direction d, int line);

} // namespace pirandella::testing
