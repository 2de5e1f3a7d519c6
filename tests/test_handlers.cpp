#include "game_fixtures.h"
#include "ui/session.h"

#include <gtest/gtest.h>

using namespace pirandella;
using namespace pirandella::testing;

namespace {

// Ticks until the timer stops; returns the number of ticks.
int RunTimer(Session& g) {
    int ticks = 0;
    while (g.game.replaying && ticks < 100000) {
        PlaybackTick(g);
        ++ticks;
    }
    return ticks;
}

struct Snapshot {
    std::string letters;
    int moveCount;
    bool pageShown;
    std::string menuCaption;
    bool operator==(const Snapshot&) const = default;
};

Snapshot Take(const Session& g) {
    return {Letters(g), g.game.moveCount, WindowOf(g).page.visible, WindowOf(g).captions[2]};
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
        Session g = NewGame(c.n);
        const int count = g.game.moveCount;
        ClickArrowCell(g, c.index);
        EXPECT_EQ(g.game.moveCount, count + 1);
        EXPECT_EQ(g.game.moveHistory[count + 1], (pirandella::Move{c.direction, c.line}))
            << c.n << " " << c.index;
    }
}

TEST(ClickArrowCell, IgnoresHiddenArrowsAndBusyGamesAndTheClickClosesThePage) {
    Session g = NewGame(5);
    const Snapshot start = Take(g);
    ClickArrowCell(g, 0); // hidden for 5 x 5
    ClickArrowCell(g, 27);
    ClickPage(g); // the page is hidden
    ClickArrowCell(g, -1);
    ClickArrowCell(g, 29);
    EXPECT_EQ(Take(g), start);
    g.game.busy = true;
    ClickArrowCell(g, 3);
    EXPECT_EQ(Take(g), start);
    g.game.busy = false;

    ToggleInstructions(g);
    EXPECT_EQ(WindowOf(g).captions[2], "Esci da Istruzioni");
    ClickArrowCell(g, 26); // not under the page: the move is made
    EXPECT_EQ(g.game.moveCount, start.moveCount + 1);
    ClickPage(g);
    EXPECT_FALSE(WindowOf(g).page.visible);
    EXPECT_EQ(WindowOf(g).captions[2], "Istruzioni");
    EXPECT_EQ(g.game.moveCount, start.moveCount + 1);
}

TEST(Menus, InstructionsToggleAndSurviveANewPuzzle) {
    Session g = NewGame(6);
    ToggleInstructions(g);
    EXPECT_TRUE(WindowOf(g).page.visible);
    ToggleInstructions(g);
    EXPECT_FALSE(WindowOf(g).page.visible);
    EXPECT_EQ(WindowOf(g).captions[2], "Istruzioni");
    ToggleInstructions(g);
    StartNewPuzzle(g);
    EXPECT_TRUE(WindowOf(g).page.visible);
    EXPECT_EQ(WindowOf(g).captions[2], "Esci da Istruzioni");
    EXPECT_FALSE(g.game.busy);
}

TEST(Undo, TakesBackThePlayersMovesOneTickEachAndNeverTheScramble) {
    Session g = NewGame(7);
    StartUndo(g); // nothing of the player's to take back
    EXPECT_FALSE(g.game.replaying);
    EXPECT_FALSE(g.game.busy);

    std::vector<std::string> boards{Letters(g)};
    for (int index : {3, 10, 17, 24, 3}) {
        ClickArrowCell(g, index);
        boards.push_back(Letters(g));
    }
    for (int k = 5; k >= 1; --k) {
        StartUndo(g);
        EXPECT_TRUE(g.game.busy);
        StartUndo(g); // a second undo while one is pending is ignored
        ClickArrowCell(g, 5);
        EXPECT_EQ(RunTimer(g), 1);
        EXPECT_EQ(Letters(g), boards[k - 1]);
        EXPECT_EQ(g.game.moveCount, 40 + k - 1);
        EXPECT_FALSE(g.game.busy);
        EXPECT_FALSE(g.game.replaying);
    }
    StartUndo(g);
    EXPECT_FALSE(g.game.replaying);
}

TEST(Solution, PlaysEveryMoveBackAndEndsWithoutFramesOrMessage) {
    Session g = NewGame(5);
    const std::string task = WindowOf(g).message.caption;
    StartSolution(g);
    const Snapshot during = Take(g);
    // While it runs, clicks and menu choices change nothing.
    PlaybackTick(g);
    const Snapshot afterTick = Take(g);
    ClickArrowCell(g, 3);
    StartNewPuzzle(g);
    ToggleInstructions(g);
    StartUndo(g);
    StartSolution(g);
    EXPECT_EQ(Take(g), afterTick);
    EXPECT_NE(afterTick, during);
    EXPECT_EQ(1 + RunTimer(g), 22);
    EXPECT_EQ(Letters(g), g.game.solutionText);
    EXPECT_EQ(WindowOf(g).message.caption, task);
    EXPECT_EQ(g.game.moveCount, 0);
    EXPECT_TRUE(g.game.solutionShown);
    EXPECT_EQ(g.game.busy + g.game.replaying + g.game.replayAll, 0);
    for (const ImageElement& tile : WindowOf(g).tiles) EXPECT_FALSE(tile.framed);
    for (int i = 0; i < 28; ++i) EXPECT_FALSE(WindowOf(g).arrows[i].visible);

    StartSolution(g); // again: an idle tick and the closing tick
    EXPECT_EQ(RunTimer(g), 2);
    EXPECT_EQ(Letters(g), g.game.solutionText);
    EXPECT_EQ(g.game.moveHistory[0], pirandella::Move{});

    StartNewPuzzle(g); // a new puzzle brings frames and arrows back
    EXPECT_FALSE(g.game.solutionShown);
    EXPECT_TRUE(WindowOf(g).tiles[24].framed);
    EXPECT_TRUE(WindowOf(g).arrows[g.game.boardSize == 7 ? 0 : 1].visible);
}

TEST(Undo, AfterASolvedBoardUnsolvesItButLeavesTheEndDisplay) {
    Session h = NewGame(6); // solved by playing the scramble backwards by hand
    using D = Direction;
    const std::vector<pirandella::Move> moves(h.game.moveHistory.begin() + 1,
                                              h.game.moveHistory.begin() + 1 + h.game.moveCount);
    for (auto it = moves.rbegin(); it != moves.rend(); ++it) {
        const D d = it->direction;
        Turn(h.game,
             d == D::ColumnDown ? D::ColumnUp
             : d == D::ColumnUp ? D::ColumnDown
             : d == D::RowRight ? D::RowLeft
                                : D::RowRight,
             it->line);
    }
    ASSERT_EQ(WindowOf(h).message.caption, "SCHEMA RISOLTO con n°30 mosse");
    const std::string message = WindowOf(h).message.caption;
    StartUndo(h);
    RunTimer(h);
    EXPECT_NE(Letters(h), h.game.solutionText);
    EXPECT_EQ(WindowOf(h).message.caption, message);
    for (int i = 0; i < 28; ++i) EXPECT_FALSE(WindowOf(h).arrows[i].visible);
    EXPECT_EQ(h.game.moveCount, h.game.scrambleMoves + 29);
}
