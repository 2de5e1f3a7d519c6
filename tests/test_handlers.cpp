#include "game_fixtures.h"
#include "ui/handlers.h"

#include <gtest/gtest.h>

using namespace pirandella;
using namespace pirandella::testing;

namespace {

// Ticks until the timer stops; returns the number of ticks.
int RunTimer(Game& g) {
    int ticks = 0;
    while (g.window.timer1.enabled && ticks < 100000) {
        Timer1_Timer(g);
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

Snapshot Take(const Game& g) {
    return {Letters(g), g.state.moveCount, g.window.image2[28].visible,
            g.window.menu[mnuIstruzioni].caption};
}

} // namespace

TEST(Image2_Click, CountsTheLineAmongTheVisibleArrowsOfTheGroup) {
    const struct {
        int n, index, dir, column, row;
    } cases[] = {{7, 10, 4, 0, 4}, {5, 3, 1, 3, 0}, {5, 22, 2, 1, 0}, {6, 19, 3, 0, 6},
                 {5, 1, 1, 1, 0},  {5, 5, 1, 5, 0}, {6, 0, 1, 1, 0},  {6, 26, 2, 6, 0},
                 {7, 20, 3, 0, 7}, {5, 8, 4, 0, 1}};
    for (const auto& c : cases) {
        Game g = NewGame(c.n);
        const int count = g.state.moveCount;
        Image2_Click(g, c.index);
        EXPECT_EQ(g.state.moveDir, c.dir) << c.n << " " << c.index;
        EXPECT_EQ(g.state.moveColumn, c.column) << c.n << " " << c.index;
        EXPECT_EQ(g.state.moveRow, c.row) << c.n << " " << c.index;
        EXPECT_EQ(g.state.moveCount, count + 1);
        EXPECT_EQ(g.state.moveHistory[count + 1], 10 * c.dir + c.column + c.row);
    }
}

TEST(Image2_Click, IgnoresHiddenArrowsAndBusyGamesAndClosesThePage) {
    Game g = NewGame(5);
    const Snapshot start = Take(g);
    Image2_Click(g, 0); // hidden for 5 x 5
    Image2_Click(g, 27);
    Image2_Click(g, 28); // the page is hidden
    Image2_Click(g, -1);
    Image2_Click(g, 29);
    EXPECT_EQ(Take(g), start);
    g.state.busy = 1;
    Image2_Click(g, 3);
    EXPECT_EQ(Take(g), start);
    g.state.busy = 0;

    mnuIstruzioni_Click(g);
    EXPECT_EQ(g.window.menu[mnuIstruzioni].caption, "Esci da Istruzioni");
    Image2_Click(g, 26); // not under the page: the move is made
    EXPECT_EQ(g.state.moveCount, start.moveCount + 1);
    Image2_Click(g, 28);
    EXPECT_FALSE(g.window.image2[28].visible);
    EXPECT_EQ(g.window.menu[mnuIstruzioni].caption, "Istruzioni");
    EXPECT_EQ(g.state.moveCount, start.moveCount + 1);
}

TEST(Menus, InstructionsToggleAndSurviveANewPuzzle) {
    Game g = NewGame(6);
    mnuIstruzioni_Click(g);
    EXPECT_TRUE(g.window.image2[28].visible);
    mnuIstruzioni_Click(g);
    EXPECT_FALSE(g.window.image2[28].visible);
    EXPECT_EQ(g.window.menu[mnuIstruzioni].caption, "Istruzioni");
    mnuIstruzioni_Click(g);
    mnuNS_Click(g);
    EXPECT_TRUE(g.window.image2[28].visible);
    EXPECT_EQ(g.window.menu[mnuIstruzioni].caption, "Esci da Istruzioni");
    EXPECT_EQ(g.state.busy, 0);
}

TEST(Undo, TakesBackThePlayersMovesOneTickEachAndNeverTheScramble) {
    Game g = NewGame(7);
    mnuAnnullaMossa_Click(g); // nothing of the player's to take back
    EXPECT_FALSE(g.window.timer1.enabled);
    EXPECT_EQ(g.state.busy, 0);

    std::vector<std::string> boards{Letters(g)};
    for (int index : {3, 10, 17, 24, 3}) {
        Image2_Click(g, index);
        boards.push_back(Letters(g));
    }
    for (int k = 5; k >= 1; --k) {
        mnuAnnullaMossa_Click(g);
        EXPECT_EQ(g.state.busy, 1);
        mnuAnnullaMossa_Click(g); // a second undo while one is pending is ignored
        Image2_Click(g, 5);
        EXPECT_EQ(RunTimer(g), 1);
        EXPECT_EQ(Letters(g), boards[k - 1]);
        EXPECT_EQ(g.state.moveCount, 40 + k - 1);
        EXPECT_EQ(g.state.busy, 0);
        EXPECT_EQ(g.state.replaying, 0);
    }
    mnuAnnullaMossa_Click(g);
    EXPECT_FALSE(g.window.timer1.enabled);
}

TEST(Solution, PlaysEveryMoveBackAndEndsWithoutFramesOrMessage) {
    Game g = NewGame(5);
    const std::string task = g.window.label1[0].caption;
    mnuSoluzione_Click(g);
    const Snapshot during = Take(g);
    // While it runs, clicks and menu choices change nothing.
    Timer1_Timer(g);
    const Snapshot afterTick = Take(g);
    Image2_Click(g, 3);
    mnuNS_Click(g);
    mnuIstruzioni_Click(g);
    mnuAnnullaMossa_Click(g);
    mnuSoluzione_Click(g);
    EXPECT_EQ(Take(g), afterTick);
    EXPECT_NE(afterTick, during);
    EXPECT_EQ(1 + RunTimer(g), 22);
    EXPECT_EQ(Letters(g), g.state.solutionText);
    EXPECT_EQ(g.window.label1[0].caption, task);
    EXPECT_EQ(g.state.moveCount, 0);
    EXPECT_EQ(g.state.solutionShown, 1);
    EXPECT_EQ(g.state.busy + g.state.replaying + g.state.replayAll, 0);
    for (const ImageElement& tile : g.window.image1) EXPECT_EQ(tile.borderStyle, 0);
    for (int i = 0; i < 28; ++i) EXPECT_FALSE(g.window.image2[i].visible);

    mnuSoluzione_Click(g); // again: an idle tick and the closing tick
    EXPECT_EQ(RunTimer(g), 2);
    EXPECT_EQ(Letters(g), g.state.solutionText);
    EXPECT_EQ(g.state.moveHistory[0], 0);

    mnuNS_Click(g); // a new puzzle brings frames and arrows back
    EXPECT_EQ(g.state.solutionShown, 0);
    EXPECT_EQ(g.window.image1[24].borderStyle, 1);
    EXPECT_EQ(g.window.image2[g.state.boardSize == 7 ? 0 : 1].visible, true);
}

TEST(Undo, AfterASolvedBoardUnsolvesItButLeavesTheEndDisplay) {
    Game h = NewGame(6); // solved by playing the scramble backwards by hand
    std::vector<int> moves(h.state.moveHistory.begin() + 1,
                           h.state.moveHistory.begin() + 1 + h.state.moveCount);
    for (auto it = moves.rbegin(); it != moves.rend(); ++it) {
        const int dir = *it / 10, line = *it % 10;
        Move(h, dir == 1 ? 2 : dir == 2 ? 1 : dir == 3 ? 4 : 3, line);
    }
    ASSERT_EQ(h.window.label1[0].caption, "SCHEMA RISOLTO con n°30 mosse");
    const std::string message = h.window.label1[0].caption;
    mnuAnnullaMossa_Click(h);
    RunTimer(h);
    EXPECT_NE(Letters(h), h.state.solutionText);
    EXPECT_EQ(h.window.label1[0].caption, message);
    for (int i = 0; i < 28; ++i) EXPECT_FALSE(h.window.image2[i].visible);
    EXPECT_EQ(h.state.moveCount, h.state.scrambleMoves + 29);
}
