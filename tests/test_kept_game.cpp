#include "game_fixtures.h"

#include <gtest/gtest.h>

using namespace pirandella;
using namespace pirandella::testing;

namespace {

// A game half played: two moves of the player, the instructions shown, the solution's playback
// five moves along.
Midend PlayedGame() {
    Midend s = NewGame(6, 7);
    Turn(s, Direction::RowRight, 2);
    Turn(s, Direction::ColumnUp, 6);
    s.command(Command::Instructions);
    s.command(Command::ShowSolution);
    for (int tick = 0; tick < 5; ++tick) s.tick();
    return s;
}

} // namespace

TEST(KeptGame, ComesBackWholeAndItsPlaybackEndsOnTheSolution) {
    Midend played = PlayedGame();
    const std::string saved = played.save();
    Midend other = NewGame(5, 3);
    ASSERT_EQ(other.restore(saved), "");
    EXPECT_EQ(Letters(other), Letters(played));
    EXPECT_EQ(other.game().moveCount, played.game().scrambleMoves + 2);
    EXPECT_TRUE(other.window().page.visible);
    EXPECT_EQ(other.save(), saved);
    const int ticks = RunClock(other);
    EXPECT_EQ(ticks, played.game().scrambleMoves + 2 + 2 - 5); // down to entry 0, then the end
    EXPECT_EQ(Letters(other), other.game().solutionText);
    EXPECT_TRUE(other.game().ended);
    // Solved by the player, then a move taken back: the end stays, the board is not solved.
    Midend solved = NewGame(5, 3);
    for (int k = solved.game().moveCount; k >= 1; --k) {
        const pirandella::Move m = solved.game().moveHistory[k].backward();
        Turn(solved, m.direction, m.line);
    }
    ASSERT_EQ(MessageText(solved.game()), "SCHEMA RISOLTO con n°20 mosse");
    solved.command(Command::UndoMove);
    solved.tick();
    ASSERT_NE(Letters(solved), solved.game().solutionText);
    Midend again = NewGame(6, 3);
    EXPECT_EQ(again.restore(solved.save()), "");
    EXPECT_EQ(Letters(again), Letters(solved));
    EXPECT_EQ(MessageText(again.game()), "SCHEMA RISOLTO con n°20 mosse");
}

TEST(KeptGame, AnyDamageIsRefusedWholeAndTheGameStaysAsItWas) {
    const std::string saved = PlayedGame().save();
    Midend target = NewGame(5, 3);
    const std::string before = target.save();
    const auto refused = [&](const std::string& text) {
        const std::string why = target.restore(text);
        return !why.empty() && target.save() == before;
    };
    for (std::size_t length = 0; length < saved.size(); ++length)
        EXPECT_TRUE(refused(saved.substr(0, length))) << length;
    const std::size_t board = saved.find('\n', saved.find('\n') + 1) + 1;
    std::string swapped = saved; // the same letters, in places no move history explains
    std::swap(swapped[board], swapped[board + 7]);
    if (swapped[board] == saved[board]) std::swap(swapped[board + 1], swapped[board + 2]);
    std::string unknown = saved, badMove = saved, future = saved, count = saved;
    unknown[saved.find(' ', saved.find('\n')) + 1] = 'Q';                   // the first name
    badMove.replace(saved.find(' ', saved.find('\n', board)) + 1, 2, "27"); // column 7 of 6
    future.replace(0, 17, "pirandella-game 2");
    count.replace(saved.rfind(" -1 "), 4, " 40 ");
    for (const std::string& text : {swapped, unknown, badMove, future, count})
        EXPECT_TRUE(refused(text)) << text;
    EXPECT_EQ(target.restore(future), "versione 2 sconosciuta");
}

namespace {

// A kept 5 x 5 game, CORVO TIGRE DAINO GATTO LEONE, in its parts as the format has them.
struct Kept {
    std::string names = "5 CORVO TIGRE DAINO GATTO LEONE";
    std::string board = "OEVOCTRGREDIINOGATTOLAONE"; // row 1 right 19 times, column 2 down
    std::string moves = "20 20" + Repeat(" 31", 19) + " 12";
    std::string state = "0 0 0 0 0 -1 0"; // replaying, index, all, shown, ended, solved, page
    static std::string Repeat(const std::string& s, int n) {
        std::string out;
        for (int i = 0; i < n; ++i) out += s;
        return out;
    }
    std::string text() const {
        return "pirandella-game 1\n" + names + '\n' + board + '\n' + moves + '\n' + state + '\n';
    }
};

} // namespace

// Each invariant the reader checks, broken alone, with what the player's console is told; and
// each moment a game can be kept at, taken whole.
TEST(KeptGame, RefusesEachBrokenInvariantAloneAndTakesEveryMomentOfPlay) {
    const auto with = [](auto change) {
        Kept k;
        change(k);
        return k.text();
    };
    const std::string solvedMoves = "22 20" + Kept::Repeat(" 31", 20) + " 31 41";
    const std::pair<std::string, std::string> cases[] = {
        {Kept().text(), ""},
        {with([](Kept& k) { k.moves = "20 20" + Kept::Repeat(" 31", 19) + " 16"; }), "mossa 20"},
        {with([](Kept& k) { k.moves = "20 20" + Kept::Repeat(" 31", 19) + " 52"; }), "mossa 20"},
        {with([](Kept& k) { k.names = "5 CORVO CORVO DAINO GATTO LEONE"; }), "un nome è ripetuto"},
        {with([](Kept& k) { k.names = "5 CORVA TIGRE DAINO GATTO LEONE"; }),
         "la riga 1 non è un nome della tabella"},
        {with([](Kept& k) { k.names = "5 CORVO TIGRE DAINO GATTO LEPRE"; }),
         "le lettere non sono quelle della soluzione"},
        {with([](Kept& k) { k.board = "EOVOCTRGREDIINOGATTOLAONE"; }),
         "le mosse non riportano alla soluzione"},
        {with([](Kept& k) { k.moves = "19 20" + Kept::Repeat(" 31", 18) + " 12"; }),
         "meno mosse del rimescolamento"},
        {with([](Kept& k) { k.moves = "20 25" + Kept::Repeat(" 31", 19) + " 12"; }), "mosse"},
        {with([](Kept& k) { k.state = "1 22 0 0 0 -1 0"; }), "la riproduzione non è coerente"},
        {with([](Kept& k) { k.state = "0 0 1 0 0 -1 0"; }), "la riproduzione non è coerente"},
        {with([](Kept& k) { k.state = "1 21 1 0 0 -1 0"; }), "la riproduzione non è coerente"},
        {with([](Kept& k) { k.state = "0 0 0 0 1 -1 0"; }), "la fine non è coerente"},
        {with([](Kept& k) { k.state = "0 0 0 0 0 3 0"; }), "la fine non è coerente"},
        {with([](Kept& k) {
             k.moves = "22 20" + Kept::Repeat(" 31", 19) + " 12 11 21";
             k.state = "0 0 0 0 1 1 0";
         }),
         "il conteggio della soluzione non torna"},
        {with([](Kept& k) { k.state = "0 0 0 0 0 -1 2"; }), "stato"},
        // Moments of play, each taken: the solution's playback just started, an undo pending,
        // the very moment of the solve, and a move taken back after it.
        {with([](Kept& k) { k.state = "1 21 1 1 0 -1 1"; }), ""},
        {with([](Kept& k) {
             k.moves = "21 20" + Kept::Repeat(" 31", 19) + " 12 31";
             k.board = "COEVOTRGREDIINOGATTOLAONE";
             k.state = "1 22 0 0 0 -1 0";
         }),
         ""},
        {with([&](Kept& k) {
             k.board = "CORVOTIGREDAINOGATTOLEONE";
             k.moves = solvedMoves;
             k.state = "0 23 0 0 1 2 0";
         }),
         ""},
        {with([](Kept& k) {
             k.board = "OCORVTIGREDAINOGATTOLEONE";
             k.moves = "21 20" + Kept::Repeat(" 31", 21);
             k.state = "0 22 0 0 1 2 0";
         }),
         ""},
    };
    for (const auto& [text, why] : cases) {
        Midend m = NewGame(6, 3);
        const std::string said = m.restore(text);
        if (why.empty()) {
            EXPECT_EQ(said, "") << text;
            EXPECT_EQ(m.save(), text); // taken whole: written back the same
        } else {
            EXPECT_EQ(said, "partita danneggiata: " + why) << text;
            EXPECT_EQ(m.game().boardSize, 6) << text; // the game stays as it was
        }
    }
}
