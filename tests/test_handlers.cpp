#include "game_fixtures.h"

#include <gtest/gtest.h>

using namespace pirandella;
using namespace pirandella::testing;

namespace {

struct Snapshot {
    std::string letters;
    int moveCount;
    bool pageShown;
    std::string menuCaption;
    bool operator==(const Snapshot&) const = default;
};

Snapshot Take(const Midend& g) {
    return {Letters(g), g.game().moveCount, g.window().page.visible, g.window().captions[2]};
}

} // namespace

TEST(ClickArrowCell, CountsTheLineAmongTheVisibleArrowsOfTheGroup) {
    using D = Direction;
    const struct {
        int n, index;
        D direction;
        int line;
    } cases[] = {{7, 10, D::RowLeft, 4},   {5, 3, D::ColumnDown, 3}, {5, 22, D::ColumnUp, 1},
                 {6, 19, D::RowRight, 6},  {5, 1, D::ColumnDown, 1}, {5, 5, D::ColumnDown, 5},
                 {6, 0, D::ColumnDown, 1}, {6, 26, D::ColumnUp, 6},  {7, 20, D::RowRight, 7},
                 {5, 8, D::RowLeft, 1}};
    for (const auto& c : cases) {
        Midend g = NewGame(c.n);
        const int count = g.game().moveCount;
        g.click(ArrowRef(c.index));
        EXPECT_EQ(g.game().moveCount, count + 1);
        EXPECT_EQ(g.game().moveHistory[count + 1], (pirandella::Move{c.direction, c.line}))
            << c.n << " " << c.index;
    }
}

TEST(ClickArrowCell, IgnoresHiddenArrowsAndBusyGamesAndTheClickClosesThePage) {
    Midend g = NewGame(5);
    const Snapshot start = Take(g);
    g.click(ArrowRef(0)); // hidden for 5 x 5
    g.click(ArrowRef(27));
    g.click(pageRef); // the page is hidden
    g.click(ArrowRef(-1));
    g.click(ArrowRef(29));
    EXPECT_EQ(Take(g), start);
    g.click(ArrowRef(3));
    g.command(Command::UndoMove); // busy until its tick
    const Snapshot pending = Take(g);
    g.click(ArrowRef(3));
    g.command(Command::Instructions);
    EXPECT_EQ(Take(g), pending);
    g.tick();
    EXPECT_EQ(Take(g), start);

    g.command(Command::Instructions);
    EXPECT_EQ(g.window().captions[2], "Esci da Istruzioni");
    g.click(ArrowRef(26)); // not under the page: the move is made
    EXPECT_EQ(g.game().moveCount, start.moveCount + 1);
    g.click(pageRef);
    EXPECT_FALSE(g.window().page.visible);
    EXPECT_EQ(g.window().captions[2], "Istruzioni");
    EXPECT_EQ(g.game().moveCount, start.moveCount + 1);
}

TEST(Menus, InstructionsToggleAndSurviveANewPuzzle) {
    Midend g = NewGame(6);
    g.command(Command::Instructions);
    EXPECT_TRUE(g.window().page.visible);
    g.command(Command::Instructions);
    EXPECT_FALSE(g.window().page.visible);
    EXPECT_EQ(g.window().captions[2], "Istruzioni");
    g.command(Command::Instructions);
    g.command(Command::NewPuzzle);
    EXPECT_TRUE(g.window().page.visible);
    EXPECT_EQ(g.window().captions[2], "Esci da Istruzioni");
    EXPECT_FALSE(g.playback().busy);
}

TEST(Undo, TakesBackThePlayersMovesOneTickEachAndNeverTheScramble) {
    Midend g = NewGame(7);
    g.command(Command::UndoMove); // nothing of the player's to take back
    EXPECT_FALSE(g.playback().replaying);
    EXPECT_FALSE(g.playback().busy);

    std::vector<std::string> boards{Letters(g)};
    for (int index : {3, 10, 17, 24, 3}) {
        g.click(ArrowRef(index));
        boards.push_back(Letters(g));
    }
    for (int k = 5; k >= 1; --k) {
        g.command(Command::UndoMove);
        EXPECT_TRUE(g.playback().busy);
        g.command(Command::UndoMove); // a second undo while one is pending is ignored
        g.click(ArrowRef(5));
        EXPECT_EQ(RunClock(g), 1);
        EXPECT_EQ(Letters(g), boards[k - 1]);
        EXPECT_EQ(g.game().moveCount, 40 + k - 1);
        EXPECT_FALSE(g.playback().busy);
        EXPECT_FALSE(g.playback().replaying);
    }
    g.command(Command::UndoMove);
    EXPECT_FALSE(g.playback().replaying);
}

TEST(Solution, PlaysEveryMoveBackAndEndsWithoutFramesOrMessage) {
    Midend g = NewGame(5);
    const std::string task = g.window().message.text;
    g.command(Command::ShowSolution);
    const Snapshot during = Take(g);
    // While it runs, clicks and menu choices change nothing.
    g.tick();
    const Snapshot afterTick = Take(g);
    g.click(ArrowRef(3));
    g.command(Command::NewPuzzle);
    g.command(Command::Instructions);
    g.command(Command::UndoMove);
    g.command(Command::ShowSolution);
    EXPECT_EQ(Take(g), afterTick);
    EXPECT_NE(afterTick, during);
    EXPECT_EQ(1 + RunClock(g), 22);
    EXPECT_EQ(Letters(g), g.game().solutionText);
    EXPECT_EQ(g.window().message.text, task);
    EXPECT_EQ(g.game().moveCount, 0);
    EXPECT_TRUE(g.playback().solutionShown);
    EXPECT_EQ(g.playback().busy + g.playback().replaying + g.playback().replayAll, 0);
    for (const Square& tile : g.window().tiles) EXPECT_FALSE(tile.framed);
    for (int i = 0; i < 28; ++i) EXPECT_FALSE(g.window().arrows[i].visible);

    g.command(Command::ShowSolution); // again: an idle tick and the closing tick
    EXPECT_EQ(RunClock(g), 2);
    EXPECT_EQ(Letters(g), g.game().solutionText);
    EXPECT_EQ(g.game().moveHistory[0], pirandella::Move{});

    g.command(Command::NewPuzzle); // a new puzzle brings frames and arrows back
    EXPECT_FALSE(g.playback().solutionShown);
    EXPECT_TRUE(g.window().tiles[24].framed);
    EXPECT_TRUE(g.window().arrows[g.game().boardSize == 7 ? 0 : 1].visible);
}

TEST(Undo, AfterASolvedBoardUnsolvesItButLeavesTheEndDisplay) {
    Midend h = NewGame(6); // solved by playing the scramble backwards by hand
    const std::vector<pirandella::Move> moves(h.game().moveHistory.begin() + 1,
                                              h.game().moveHistory.begin() + 1 + h.game().moveCount);
    for (auto it = moves.rbegin(); it != moves.rend(); ++it)
        Turn(h, it->backward().direction, it->line);
    ASSERT_EQ(h.window().message.text, "SCHEMA RISOLTO con n°30 mosse");
    const std::string message = h.window().message.text;
    h.command(Command::UndoMove);
    RunClock(h);
    EXPECT_NE(Letters(h), h.game().solutionText);
    EXPECT_EQ(h.window().message.text, message);
    for (int i = 0; i < 28; ++i) EXPECT_FALSE(h.window().arrows[i].visible);
    EXPECT_EQ(h.game().moveCount, h.game().scrambleMoves + 29);
}
