#include "game_invariants.h"

#include <algorithm>
#include <vector>

namespace pirandella::testing {

namespace {

bool TileShown(int n, int i) {
    const int y = i / 7, x = i % 7;
    if (n == 7) return true;
    if (n == 6) return x < 6 && y < 6;
    return x >= 1 && x <= 5 && y >= 1 && y <= 5;
}

bool ArrowShown(int n, int i) {
    const int k = i % 7;
    return n == 7 || (n == 6 && k < 6) || (n == 5 && k >= 1 && k <= 5);
}

std::string CheckBoard(const Game& s, const WindowModel& w) {
    const int n = s.boardSize;
    if (n < 5 || n > 7) return "board size " + std::to_string(n);
    if (static_cast<int>(s.solutionText.size()) != n * n) return "solution length";
    std::vector<char> letters, solution;
    int cell = 0;
    for (int i = 0; i < 49; ++i) {
        if (i >= n * n) {
            if (s.board[i] != Letter{}) return "position past the board not empty";
            continue;
        }
        const char letter = s.board[i].character();
        if (letter < 'A' || letter > 'Z') return "letter out of range";
        letters.push_back(letter);
        solution.push_back(s.solutionText[i]);
        while (!TileShown(n, cell)) ++cell; // the k-th tile in use shows position k
        const Square& tile = w.tiles[cell++];
        const bool inPlace = letter == s.solutionText[i];
        const Picture expected{inPlace ? Picture::LetterInPlace : Picture::LetterOutOfPlace,
                               s.board[i]};
        if (tile.picture != expected) return "tile style of position " + std::to_string(i);
    }
    std::sort(letters.begin(), letters.end());
    std::sort(solution.begin(), solution.end());
    if (letters != solution) return "letters are not the solution's";
    return {};
}

std::string CheckHistory(const Game& s, const Playback& p) {
    if (s.moveCount < 0 || s.moveCount >= static_cast<int>(s.moveHistory.size()))
        return "move count outside the history";
    if (s.moveHistory[0] != pirandella::Move{}) return "entry 0 holds a move";
    if (s.moveCount != 0 && s.moveCount < s.scrambleMoves) return "count below the scramble";
    if (s.moveCount == 0 && !p.solutionShown) return "count 0 without a solution playback";
    // A playback overwrites entries it has already read; those below its cursor are still moves.
    const int unread = p.replaying ? std::min(s.moveCount, p.replayIndex - 1) : s.moveCount;
    for (int k = 1; k <= unread; ++k) {
        const pirandella::Move m = s.moveHistory[k];
        if (m.direction == Direction::None || m.direction > Direction::RowLeft || m.line < 1 ||
            m.line > s.boardSize)
            return "history entry " + std::to_string(k);
    }
    return {};
}

std::string CheckPlayback(const Playback& p, const StubPlatform* platform) {
    if (p.busy != p.replaying) return "busy without a playback";
    if (platform && platform->clock != (p.replaying ? 120 : 0)) return "the clock and the playback";
    return {};
}

std::string CheckElements(const Game& s, const WindowModel& w) {
    const int n = s.boardSize;
    for (int i = 0; i < 49; ++i)
        if (w.tiles[i].visible != TileShown(n, i)) return "tile visibility " + std::to_string(i);
    const bool ended = !w.arrows[n == 5 ? 1 : 0].visible; // solved, or the solution was shown
    for (int i = 0; i < 28; ++i) {
        const bool shown = !ended && ArrowShown(n, i);
        if (w.arrows[i].visible != shown) return "arrow visibility " + std::to_string(i);
        if (w.arrows[i].framed == ended) return "arrow frame " + std::to_string(i);
    }
    for (const Square& tile : w.tiles)
        if (tile.framed == ended) return "tile frame";
    if (w.captions[2] != (w.page.visible ? "Esci da Istruzioni" : "Istruzioni"))
        return "instructions caption";
    return {};
}

} // namespace

std::string BrokenInvariant(const Midend& m, const StubPlatform* platform) {
    const Game& g = m.game();
    const WindowModel& w = m.window();
    if (const WindowModel fresh = WindowOf(g, m.view()); fresh.message.text != w.message.text ||
                                                          fresh.arrows[1].visible != w.arrows[1].visible)
        return "the window is not the game's";
    for (const std::string& broken : {CheckBoard(g, w), CheckHistory(g, m.playback()),
                                      CheckPlayback(m.playback(), platform), CheckElements(g, w)})
        if (!broken.empty()) return broken;
    return {};
}

} // namespace pirandella::testing
