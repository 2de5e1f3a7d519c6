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

TEST(SavedGame, ComesBackWholeAndItsPlaybackEndsOnTheSolution) {
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

TEST(SavedGame, AnyDamageIsRefusedWholeAndTheGameStaysAsItWas) {
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
