// One game: the board and its solution, the names, the moves made, and the random source and
// clock it draws from. The rules below act on the game they are given; what happens to it over
// time (the playback of its history, the guards) is the midend's (ui/), and the window that shows
// it is derived from it (view/).
#pragma once

#include "engine/random_source.h"

#include <array>
#include <compare>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace pirandella {

// A tile's letter, numbered as the tile pictures are: A = 1 to Z = 26; 0 on a cell not in use.
struct Letter {
    std::uint8_t number = 0;
    static constexpr Letter Of(char upper) { return {static_cast<std::uint8_t>(upper - 'A' + 1)}; }
    constexpr char character() const { return static_cast<char>('A' - 1 + number); }
    auto operator<=>(const Letter&) const = default;
};

// Which way a move turns its line; the first two undo each other, as do the last two.
enum class Direction : std::uint8_t { None, ColumnDown, ColumnUp, RowRight, RowLeft };

// One cell's turn of a whole row or column, with wrap-around. Lines count from 1.
struct Move {
    Direction direction = Direction::None;
    int line = 0;
    bool turnsColumn() const {
        return direction == Direction::ColumnDown || direction == Direction::ColumnUp;
    }
    Move backward() const; // the same line turned the other way; no move stays none
    bool operator==(const Move&) const = default;
};

struct Game {
    // Board and solution. Positions are row-major with a stride of N: row r, column j (both
    // from 1) is position (r - 1) * N + (j - 1).
    int boardSize = 0;              // N: 5, 6 or 7
    std::string solutionText;       // the N names joined; character i is position i's solution
    std::array<Letter, 49> board{}; // the letter at each position; none past N x N
    std::array<std::string, 8> chosenWords;  // 1..7: the name laid in row k
    std::array<std::string, 101> candidates; // 1..100: names of length N, in table order
    std::int16_t candidateCount = 0;
    std::vector<std::string> animalsA, animalsB; // the two name tables, 0..49

    // Move history: entry 0 never holds a move; entries 1..moveCount are the moves made, the
    // scramble's first. The table starts with 1001 entries and grows when a game needs more.
    std::vector<Move> moveHistory = std::vector<Move>(1001);
    int moveCount = 0;
    int scrambleMoves = 0;

    bool initialized = false; // seeded: the first puzzle has been set up

    // How the puzzle stands: over once solved or its solution played back (no frames, no
    // arrows until the next puzzle); the player's moves of the last solve, if it was solved.
    bool ended = false;
    std::optional<int> solvedWithMoves;

    RandomSource rng;
    // Seconds since the player's local midnight, read once to seed the generator.
    std::function<float()> timeOfDay = SecondsSinceMidnight;

    static float SecondsSinceMidnight();
    // The same for a moment given as seconds since 1970 and the local clock time that it is.
    static float SecondsOfClock(double epochSeconds, int hour, int minute, int second);
};

// Where a move comes from decides what it does besides turning its line: a new move (the
// player's or the scramble's) is counted and recorded; a move played back from the history only
// overwrites its last entry. The solved check follows, but for the scramble's moves and for a
// playback once the solution has been asked for.
enum class MoveSource { Player, Scramble, PlayedBack, SolutionPlayedBack };

// The rules; each acts on the one game it is given.
void FillAnimalTables(Game& g);
void ChooseWords(Game& g);
void ApplyMove(Game& g, Move m, MoveSource from = MoveSource::Player);
void Scramble(Game& g);
void CheckSolved(Game& g);
// A fresh, scrambled puzzle; the first one also seeds the random source from the clock.
void NewPuzzle(Game& g);
// The letter in its solution place at a position in use.
bool InPlace(const Game& g, int position);

} // namespace pirandella
