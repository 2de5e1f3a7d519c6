#include "game_fixtures.h"
#include "ui/saved_game.h"

#include <gtest/gtest.h>

using namespace pirandella;
using namespace pirandella::testing;

namespace {

// A game half played: two moves of the player, the instructions shown, the solution's playback
// five moves along.
Session PlayedGame() {
    Session s = NewGame(6, 7);
    Turn(s.game, Direction::RowRight, 2);
    Turn(s.game, Direction::ColumnUp, 6);
    ToggleInstructions(s);
    StartSolution(s);
    for (int tick = 0; tick < 5; ++tick) PlaybackTick(s);
    return s;
}

} // namespace

TEST(SavedGame, ComesBackWholeAndItsPlaybackEndsOnTheSolution) {
    Session played = PlayedGame();
    const std::string saved = SaveGame(played);
    Session other = NewGame(5, 3);
    ASSERT_EQ(RestoreGame(other, saved), "");
    EXPECT_EQ(Letters(other), Letters(played));
    EXPECT_EQ(other.game.moveCount, played.game.scrambleMoves + 2);
    EXPECT_TRUE(other.view.instructionsShown);
    EXPECT_EQ(SaveGame(other), saved);
    int ticks = 0;
    while (other.game.replaying && ticks < 1000) PlaybackTick(other), ++ticks;
    EXPECT_EQ(ticks, played.game.scrambleMoves + 2 + 2 - 5); // down to entry 0, then the end
    EXPECT_EQ(Letters(other), other.game.solutionText);
    EXPECT_TRUE(other.game.ended);
    // Solved by the player, then a move taken back: the end stays, the board is not solved.
    Session solved = NewGame(5, 3);
    for (int k = solved.game.moveCount; k >= 1; --k) {
        const pirandella::Move m = solved.game.moveHistory[k].backward();
        ClickArrowCell(solved, m.turnsColumn()
                                   ? (m.direction == Direction::ColumnDown ? 0 : 21) + m.line
                                   : (m.direction == Direction::RowLeft ? 7 : 14) + m.line);
    }
    ASSERT_EQ(MessageText(solved.game), "SCHEMA RISOLTO con n°20 mosse");
    StartUndo(solved);
    PlaybackTick(solved);
    ASSERT_NE(Letters(solved), solved.game.solutionText);
    Session again = NewGame(6, 3);
    EXPECT_EQ(RestoreGame(again, SaveGame(solved)), "");
    EXPECT_EQ(Letters(again), Letters(solved));
    EXPECT_EQ(MessageText(again.game), "SCHEMA RISOLTO con n°20 mosse");
}

TEST(SavedGame, AnyDamageIsRefusedWholeAndTheGameStaysAsItWas) {
    const std::string saved = SaveGame(PlayedGame());
    Session target = NewGame(5, 3);
    const std::string before = SaveGame(target);
    const auto refused = [&](const std::string& text) {
        const std::string why = RestoreGame(target, text);
        return !why.empty() && SaveGame(target) == before;
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
    EXPECT_EQ(RestoreGame(target, future), "versione 2 sconosciuta");
}
