#include "ui/kept_game.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <limits>

namespace pirandella {

namespace {

constexpr std::string_view magic = "pirandella-game";
constexpr int version = 1;

int Code(Move m) {
    return 10 * static_cast<int>(m.direction) + m.line;
}

// Words apart by single spaces or line ends; numbers in decimal within bounds.
class Reader {
  public:
    explicit Reader(std::string_view text) : text_(text) {}
    std::string_view word() {
        const std::size_t end = std::min(text_.find_first_of(" \n", at_), text_.size());
        const std::string_view w = text_.substr(at_, end - at_);
        at_ = end < text_.size() ? end + 1 : end;
        return w;
    }
    // An optional minus and at least one digit, nothing else (read by hand: std::from_chars
    // is a large part of the page's WebAssembly).
    bool number(int low, int high, int& value) {
        std::string_view w = word();
        const bool negative = !w.empty() && w[0] == '-';
        if (negative) w.remove_prefix(1);
        long long v = 0;
        for (const char c : w) {
            if (c < '0' || c > '9' || v > std::numeric_limits<int>::max()) return false;
            v = 10 * v + (c - '0');
        }
        if (negative) v = -v;
        if (w.empty() || v < low || v > high) return false;
        value = static_cast<int>(v);
        return true;
    }
    bool done() const { return at_ == text_.size(); }

  private:
    std::string_view text_;
    std::size_t at_ = 0;
};

std::string Upper(std::string name) {
    for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return name;
}

bool InTables(const Game& g, const std::string& word) {
    const auto named = [&word](const std::vector<std::string>& table) {
        return std::any_of(table.begin(), table.end(),
                           [&word](const std::string& n) { return Upper(n) == word; });
    };
    return named(g.animalsA) || named(g.animalsB);
}

// The game as read, checked against the invariants the rules keep; "" when it holds them.
std::string Check(const Game& g, const Playback& p) {
    const int n = g.boardSize;
    for (int row = 1; row <= n; ++row) {
        const std::string& w = g.chosenWords[row];
        if (static_cast<int>(w.size()) != n || !InTables(g, w))
            return "la riga " + std::to_string(row) + " non è un nome della tabella";
        if (std::find(g.chosenWords.begin() + 1, g.chosenWords.begin() + row, w) !=
            g.chosenWords.begin() + row)
            return "un nome è ripetuto";
    }
    std::array<int, 256> count{}; // of each letter, the solution's less the board's
    for (const char c : g.solutionText) ++count[static_cast<unsigned char>(c)];
    for (int i = 0; i < n * n; ++i) --count[static_cast<unsigned char>(g.board[i].character())];
    if (std::any_of(count.begin(), count.end(), [](int c) { return c != 0; }))
        return "le lettere non sono quelle della soluzione";
    if (g.moveCount < g.scrambleMoves && !(g.ended && p.solutionShown && g.moveCount == 0))
        return "meno mosse del rimescolamento";
    if (p.replaying) {
        // An undo is read before its one tick; a solution playback runs down to entry 0.
        if (!p.busy || p.replayIndex > g.moveCount + 1 || p.replayAll != p.solutionShown ||
            (!p.replayAll && p.replayIndex != g.moveCount + 1))
            return "la riproduzione non è coerente";
    } else if (p.busy || p.replayAll) {
        return "la riproduzione non è coerente";
    }
    if ((g.ended && !g.solvedWithMoves && !p.solutionShown) || (g.solvedWithMoves && !g.ended) ||
        g.solvedWithMoves.value_or(0) < 0)
        return "la fine non è coerente";
    // Once solved, the player can only take moves back (undo) or play the solution: the moves
    // made are never more than at the solve. Whether the board is right is told below.
    if (g.solvedWithMoves && !p.solutionShown && g.moveCount - g.scrambleMoves > *g.solvedWithMoves)
        return "il conteggio della soluzione non torna";
    const auto solved = [n](const Game& game) {
        for (int i = 0; i < n * n; ++i)
            if (!InPlace(game, i)) return false;
        return true;
    };
    // The moves not yet played back, taken back newest first, give the solution.
    Game back = g;
    for (int k = p.replaying ? p.replayIndex - 1 : g.moveCount; k >= 1; --k)
        ApplyMove(back, g.moveHistory[k].backward(), MoveSource::SolutionPlayedBack);
    if (!solved(back)) return "le mosse non riportano alla soluzione";
    return "";
}

} // namespace

std::string WriteKeptGame(const KeptGame& kept) {
    const Game& g = kept.game;
    const Playback& p = kept.playback;
    std::string out = std::string(magic) + ' ' + std::to_string(version) + '\n';
    out += std::to_string(g.boardSize);
    for (int row = 1; row <= g.boardSize; ++row) out += ' ' + g.chosenWords[row];
    out += '\n';
    for (int i = 0; i < g.boardSize * g.boardSize; ++i) out += g.board[i].character();
    out += '\n' + std::to_string(g.moveCount) + ' ' + std::to_string(g.scrambleMoves);
    for (int k = 1; k <= g.moveCount; ++k) out += ' ' + std::to_string(Code(g.moveHistory[k]));
    const auto flag = [](bool b) { return b ? " 1" : " 0"; };
    out += '\n' + std::string(flag(p.replaying)).substr(1) + ' ' + std::to_string(p.replayIndex) +
           flag(p.replayAll) + flag(p.solutionShown) + flag(g.ended) + ' ' +
           std::to_string(g.solvedWithMoves.value_or(-1)) + flag(kept.instructionsShown) + '\n';
    return out;
}

std::string ReadKeptGame(std::string_view saved, KeptGame& into) {
    Reader in(saved);
    int v = 0;
    if (in.word() != magic) return "non è una partita di pirandella";
    if (!in.number(1, 1000, v)) return "versione illeggibile";
    if (v != version) return "versione " + std::to_string(v) + " sconosciuta";
    if (saved.back() != '\n') return "partita troncata";
    Game g = into.game; // the tables, the random source and the clock stay this run's
    Playback p;
    FillAnimalTables(g);
    const std::string bad = "partita danneggiata";
    int n = 0;
    if (!in.number(5, 7, n)) return bad + ": dimensione";
    g.boardSize = n;
    g.solutionText.clear();
    for (int row = 1; row <= n; ++row) {
        g.chosenWords[row] = std::string(in.word());
        g.solutionText += g.chosenWords[row];
    }
    if (static_cast<int>(g.solutionText.size()) != n * n) return bad + ": nomi";
    const std::string_view letters = in.word();
    if (static_cast<int>(letters.size()) != n * n) return bad + ": tabellone";
    g.board.fill({});
    for (int i = 0; i < n * n; ++i) g.board[i] = Letter::Of(letters[i]);
    int scramble = 0;
    if (!in.number(0, keptMovesLimit, g.moveCount) || !in.number(20, 40, scramble) ||
        scramble % 10 != 0)
        return bad + ": mosse";
    g.scrambleMoves = scramble;
    g.moveHistory.assign(std::max(1001, g.moveCount + 1), Move{});
    for (int k = 1; k <= g.moveCount; ++k) {
        int code = 0;
        if (!in.number(11, 47, code) || code % 10 < 1 || code % 10 > n || code / 10 > 4)
            return bad + ": mossa " + std::to_string(k);
        g.moveHistory[k] = {static_cast<Direction>(code / 10), code % 10};
    }
    int replaying = 0, replayAll = 0, shown = 0, ended = 0, solved = 0, page = 0;
    if (!in.number(0, 1, replaying) || !in.number(0, keptMovesLimit + 1, p.replayIndex) ||
        !in.number(0, 1, replayAll) || !in.number(0, 1, shown) || !in.number(0, 1, ended) ||
        !in.number(-1, keptMovesLimit, solved) || !in.number(0, 1, page) || !in.done())
        return bad + ": stato";
    p.replaying = p.busy = replaying == 1;
    p.replayStop = -1;
    p.replayAll = replayAll == 1;
    p.solutionShown = shown == 1;
    g.ended = ended == 1;
    g.solvedWithMoves.reset();
    if (solved >= 0) g.solvedWithMoves = solved;
    if (const std::string why = Check(g, p); !why.empty()) return bad + ": " + why;
    into = {std::move(g), p, page == 1};
    return "";
}

} // namespace pirandella
