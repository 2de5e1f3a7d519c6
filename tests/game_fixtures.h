// Games built from scripted draws, so a test knows the size, the names and the scramble.
#pragma once

#include "ui/midend.h"

#include <string>
#include <vector>

namespace pirandella::testing {

// The draw r that picks item k of 1..m.
float Pick(int k, int m);
// The draw that makes the board size n.
float SizeDraw(int n);

// A set-up puzzle of size n; its names and scramble come from the seeded generator.
Game NewBoard(int n, unsigned seed = 1);
// A puzzle of size n laid with the candidates at the given positions, not scrambled.
Game SolvedBoard(int n, const std::vector<int>& candidateIndices);
// The same as played: a midend over each.
Midend NewGame(int n, unsigned seed = 1);
Midend SolvedGame(int n, const std::vector<int>& candidateIndices);
// The window of a game as it stands, on the design's screen.
WindowModel WindowOf(const Game& g);
// The letters of board row r (1-based) and column c.
std::string Row(const Game& g, int r);
std::string Column(const Game& g, int c);
inline std::string Row(const Midend& m, int r) {
    return Row(m.game(), r);
}
inline std::string Column(const Midend& m, int c) {
    return Column(m.game(), c);
}
// All board letters in position order.
std::string Letters(const Game& g);
inline std::string Letters(const Midend& m) {
    return Letters(m.game());
}
// One move as a player makes it: by the rules, or a click on the arrow cell that turns the line
// that way.
void Turn(Game& g, Direction d, int line);
void Turn(Midend& m, Direction d, int line);
// Ticks of the running clock until it stops; how many.
int RunClock(Midend& m);

} // namespace pirandella::testing
