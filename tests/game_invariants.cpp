#include "game_invariants.h"

#include <algorithm>
#include <vector>

namespace pirandella::testing {

namespace {

bool TileInUse(int n, int i) {
    const int y = i / 7, x = i % 7;
    if (n == 7) return true;
    if (n == 6) return x < 6 && y < 6;
    return x >= 1 && x <= 5 && y >= 1 && y <= 5;
}

bool ArrowInUse(int n, int i) {
    const int k = i % 7;
    return n == 7 || (n == 6 && k < 6) || (n == 5 && k >= 1 && k <= 5);
}

std::string CheckBoard(const GameState& s, const WindowModel& w) {
    const int n = s.boardSize;
    if (n < 5 || n > 7) return "board size " + std::to_string(n);
    if (static_cast<int>(s.solutionText.size()) != n * n) return "solution length";
    std::vector<int> letters, solution;
    int cell = 0;
    for (int i = 0; i < 49; ++i) {
        if (i >= n * n) {
            if (s.board[i][0] != -1 || s.board[i][1] != -1) return "row past the board not empty";
            continue;
        }
        if (s.board[i][1] < 1 || s.board[i][1] > 26) return "letter out of range";
        letters.push_back(s.board[i][1]);
        solution.push_back(s.solutionText[i] - 64);
        while (!TileInUse(n, cell)) ++cell;
        if (s.board[i][0] != cell++) return "cell table entry " + std::to_string(i);
        const ImageElement& tile = w.image1[s.board[i][0]];
        const bool inPlace = s.board[i][1] == s.solutionText[i] - 64;
        const Picture expected{inPlace ? PictureList::ImageList2 : PictureList::ImageList3,
                               s.board[i][1]};
        if (tile.picture != expected) return "tile style of position " + std::to_string(i);
    }
    std::sort(letters.begin(), letters.end());
    std::sort(solution.begin(), solution.end());
    if (letters != solution) return "letters are not the solution's";
    return {};
}

std::string CheckHistory(const GameState& s) {
    if (s.moveCount < 0 || s.moveCount >= static_cast<int>(s.moveHistory.size()))
        return "move count outside the history";
    if (s.moveHistory[0] != 0) return "entry 0 holds a move";
    if (s.moveCount != 0 && s.moveCount < s.scrambleMoves) return "count below the scramble";
    if (s.moveCount == 0 && s.solutionShown == 0) return "count 0 without a solution playback";
    // A playback overwrites entries it has already read; those below its cursor are still moves.
    const int unread = s.replaying == 1 ? std::min(s.moveCount, s.replayIndex - 1) : s.moveCount;
    for (int k = 1; k <= unread; ++k) {
        const int d = s.moveHistory[k] / 10, l = s.moveHistory[k] % 10;
        if (d < 1 || d > 4 || l < 1 || l > s.boardSize) return "history entry " + std::to_string(k);
    }
    return {};
}

std::string CheckPlayback(const GameState& s, const WindowModel& w) {
    if (s.replaying == 1 && !(w.timer1.enabled && s.busy == 1)) return "replaying while idle";
    if (w.timer1.enabled != (s.busy == 1)) return "busy without a playback";
    if (w.timer1.enabled != (s.replaying == 1)) return "timer runs without replaying";
    if (w.timer1.interval != 120) return "timer interval";
    return {};
}

std::string CheckElements(const GameState& s, const WindowModel& w) {
    const int n = s.boardSize;
    for (int i = 0; i < 49; ++i)
        if (w.image1[i].visible != TileInUse(n, i)) return "tile visibility " + std::to_string(i);
    const bool ended = !w.image2[n == 5 ? 1 : 0].visible; // solved, or the solution was shown
    for (int i = 0; i < 28; ++i) {
        const bool shown = !ended && ArrowInUse(n, i);
        if (w.image2[i].visible != shown) return "arrow visibility " + std::to_string(i);
        if (w.image2[i].borderStyle != (ended ? 0 : 1)) return "arrow frame " + std::to_string(i);
    }
    for (const ImageElement& tile : w.image1)
        if (tile.borderStyle != (ended ? 0 : 1)) return "tile frame";
    const bool page = w.image2[WindowModel::instructions].visible;
    if (w.menu[mnuIstruzioni].caption != (page ? "Esci da Istruzioni" : "Istruzioni"))
        return "instructions caption";
    return {};
}

} // namespace

std::string BrokenInvariant(const Game& g) {
    for (const std::string& broken :
         {CheckBoard(g.state, g.window), CheckHistory(g.state), CheckPlayback(g.state, g.window),
          CheckElements(g.state, g.window)})
        if (!broken.empty()) return broken;
    return {};
}

} // namespace pirandella::testing
