#include "engine/game.h"

#include <array>

namespace pirandella {

namespace {

// The line turns by one cell: down and right towards its last cell, up and left towards its
// first.
void RotateLine(Game& g, Move m) {
    const int n = g.boardSize;
    if (m.line < 1 || m.line > n) return; // never produced by the game; keeps a bad line off
    std::array<Letter*, 7> cell{};
    for (int k = 0; k < n; ++k)
        cell[k] = &g.board[m.turnsColumn() ? k * n + m.line - 1 : (m.line - 1) * n + k];
    if (m.direction == Direction::ColumnDown || m.direction == Direction::RowRight) {
        const Letter kept = *cell[n - 1];
        for (int k = n - 1; k >= 1; --k) *cell[k] = *cell[k - 1];
        *cell[0] = kept;
    } else if (m.direction == Direction::ColumnUp || m.direction == Direction::RowLeft) {
        const Letter kept = *cell[0];
        for (int k = 0; k <= n - 2; ++k) *cell[k] = *cell[k + 1];
        *cell[n - 1] = kept;
    }
}

// The history grows with the game, so however many moves are made each keeps its entry.
void Record(Game& g, Move m) {
    if (g.moveCount >= static_cast<int>(g.moveHistory.size()))
        g.moveHistory.resize(g.moveCount + 1);
    g.moveHistory[g.moveCount] = m;
}

} // namespace

Move Move::backward() const {
    switch (direction) {
    case Direction::ColumnDown:
        return {Direction::ColumnUp, line};
    case Direction::ColumnUp:
        return {Direction::ColumnDown, line};
    case Direction::RowRight:
        return {Direction::RowLeft, line};
    case Direction::RowLeft:
        return {Direction::RowRight, line};
    default:
        return *this; // entry 0 holds no move: nothing turns
    }
}

void ApplyMove(Game& g, Move m, MoveSource from) {
    const bool played = from == MoveSource::PlayedBack || from == MoveSource::SolutionPlayedBack;
    if (!played) ++g.moveCount; // a playback adjusts the count itself
    Record(g, m);
    RotateLine(g, m);
    // Neither the scramble nor the solution playback may announce a solved board.
    if (from == MoveSource::Player || from == MoveSource::PlayedBack) CheckSolved(g);
}

} // namespace pirandella
