// Everything the procedures and event handlers of one game share. A program has one game;
// tests make as many independent ones as they like.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace pirandella {

struct GameState {
    // Board and solution
    int boardSize = 0;        // N: 5, 6 or 7
    std::string solutionText; // N names joined; character i is the solution letter of position i
    // Row i describes board position i: [0] the Image1 tile that shows it, [1] its letter
    // number (A = 1 .. Z = 26). Rows from N x N up hold -1.
    std::array<std::array<int, 2>, 49> board{};
    std::array<std::string, 8> chosenWords;  // 1..7: the name laid in row k
    std::array<std::string, 101> candidates; // 1..100: names of length N, in table order
    std::int16_t candidateCount = 0;
    std::vector<std::string> animalsA, animalsB; // the two name tables, 0..49

    // The move about to be applied
    int moveDir = 0; // 1 column down, 2 column up, 3 row right, 4 row left
    int moveColumn = 0;
    std::int16_t moveRow = 0;

    // Move history: entry 0 never holds a move; entries 1..moveCount are the moves made, the
    // scramble's first. The table starts with 1001 entries and grows when a game needs more.
    std::vector<int> moveHistory = std::vector<int>(1001, 0);
    int moveCount = 0;
    int scrambleMoves = 0;
    int scrambling = 0; // 1 while the scramble applies its moves: no solved check then

    // Playback and guards
    int busy = 0;
    int replaying = 0;
    int replayIndex = 0;
    int replayStop = 0;
    int replayAll = 0;
    int solutionShown = 0;

    // Layout and display
    std::array<std::array<float, 2>, 49> cellHome{};  // [0] Top, [1] Left of Image1(i)
    std::array<std::array<float, 2>, 28> arrowHome{}; // [0] Top, [1] Left of Image2(i)
    int lastCellIndex = 0;
    int initialized = 0;
    int scaled = 0;
    std::int16_t designTwipsPerPixel = 0;
    double scaleX = 0;
    float scaleY = 0;
};

} // namespace pirandella
