#include "game_fixtures.h"
#include "ui/handlers.h"

#include <gtest/gtest.h>

using namespace pirandella;
using namespace pirandella::testing;

namespace {

// Row 2 reads TIGRE; the rows are CORVO, TIGRE, DAINO, GATTO, LEONE.
Game TigreGame() {
    return SolvedGame(5, {1, 29, 2, 6, 11});
}

int LastCode(const Game& g) {
    return g.state.moveHistory[g.state.moveCount];
}

} // namespace

TEST(ApplyMove, TurnsRowsAndColumnsByOneCellWithWrapAround) {
    Game right = TigreGame();
    Move(right, 3, 2);
    EXPECT_EQ(Row(right, 2), "ETIGR");
    EXPECT_EQ(LastCode(right), 32);
    EXPECT_EQ(Row(right, 1), "CORVO");

    Game left = TigreGame();
    Move(left, 4, 2);
    EXPECT_EQ(Row(left, 2), "IGRET");
    EXPECT_EQ(LastCode(left), 42);

    Game down = TigreGame();
    const std::string column = Column(down, 3); // R G I T O
    Move(down, 1, 3);
    EXPECT_EQ(Column(down, 3), column.substr(4) + column.substr(0, 4));
    EXPECT_EQ(LastCode(down), 13);
    EXPECT_EQ(Column(down, 2), "OIAAE"); // other columns stay

    Game up = TigreGame();
    Move(up, 2, 3);
    EXPECT_EQ(Column(up, 3), column.substr(1) + column.substr(0, 1));
    EXPECT_EQ(LastCode(up), 23);
}

TEST(ApplyMove, AMoveAndItsInverseRestoreTheBoardAndAreBothRecorded) {
    for (int n = 5; n <= 7; ++n) {
        Game g = NewGame(n, 3);
        const std::string before = Letters(g);
        const int count = g.state.moveCount;
        Move(g, 1, n);
        Move(g, 2, n);
        Move(g, 3, 1);
        Move(g, 4, 1);
        EXPECT_EQ(Letters(g), before);
        EXPECT_EQ(g.state.moveCount, count + 4);
        EXPECT_EQ(std::vector(g.state.moveHistory.begin() + count + 1,
                              g.state.moveHistory.begin() + count + 5),
                  (std::vector{10 + n, 20 + n, 31, 41}));
    }
}

TEST(ApplyMove, NMovesOnALineGiveItBack) {
    Game g = SolvedGame(7, {1, 2, 3, 4, 5, 6, 7});
    const std::string before = Letters(g);
    for (int dir = 1; dir <= 4; ++dir)
        for (int line = 1; line <= 7; ++line) {
            for (int k = 0; k < 6; ++k) Move(g, dir, line);
            EXPECT_NE(Letters(g), before) << dir << line;
            Move(g, dir, line);
            EXPECT_EQ(Letters(g), before) << dir << line;
        }
}

TEST(ApplyMove, TouchesOnlyTheLettersOfTheBoardInUse) {
    Game g = NewGame(5);
    const auto cells = g.state.board;
    for (int i = 0; i < 40; ++i) Move(g, 1 + i % 4, 1 + i % 5);
    for (int i = 0; i < 49; ++i) EXPECT_EQ(g.state.board[i][0], cells[i][0]);
    for (int i = 25; i < 49; ++i) EXPECT_EQ(g.state.board[i][1], -1);
    Move(g, 1, 2);
    EXPECT_EQ(g.state.moveRow, 0);
    Move(g, 3, 2);
    EXPECT_EQ(g.state.moveColumn, 0);
}

TEST(ApplyMove, DuringAPlaybackItKeepsTheCountAndOverwritesTheLastEntry) {
    Game g = NewGame(6);
    const int count = g.state.moveCount;
    g.state.replaying = 1;
    Move(g, 4, 6);
    EXPECT_EQ(g.state.moveCount, count);
    EXPECT_EQ(LastCode(g), 46);
}

TEST(ApplyMove, AnnouncesTheSolvedBoardOnlyForThePlayersMoves) {
    Game g = TigreGame();
    g.state.scrambleMoves = 0;
    Move(g, 3, 2);
    Move(g, 4, 2);
    EXPECT_EQ(g.window.label1[0].caption, "SCHEMA RISOLTO con n°2 mosse");
    EXPECT_FALSE(g.window.image2[1].visible);

    Game shown = TigreGame();
    shown.state.solutionShown = 1;
    Move(shown, 3, 2);
    Move(shown, 4, 2);
    EXPECT_EQ(shown.window.label1[0].caption, "in orizzontale posiziona 5 nomi di animali");
    EXPECT_TRUE(shown.window.image2[1].visible);
}

TEST(Scramble, MakesTwentyThirtyOrFortyRecordedMovesWithoutASolvedMessage) {
    const int expected[] = {20, 30, 40};
    for (int n = 5; n <= 7; ++n)
        for (unsigned seed = 1; seed <= 20; ++seed) {
            Game g = NewGame(n, seed);
            ASSERT_EQ(g.state.scrambleMoves, expected[n - 5]);
            ASSERT_EQ(g.state.moveCount, g.state.scrambleMoves);
            for (int k = 1; k <= g.state.moveCount; ++k) {
                const int code = g.state.moveHistory[k];
                ASSERT_TRUE(code / 10 >= 1 && code / 10 <= 4 && code % 10 >= 1 && code % 10 <= n)
                    << code;
            }
            EXPECT_EQ(g.state.scrambling, 0);
        }
}

TEST(Scramble, ThatPassesThroughTheSolutionShowsNoMessage) {
    Game g = SolvedGame(5, {1, 29, 2, 6, 11});
    // Row 2 right, then row 2 left: back on the solution after two moves.
    g.rng.script({Pick(3, 4), Pick(2, 5), Pick(4, 4), Pick(2, 5)});
    Scramble(g);
    EXPECT_EQ(std::vector(g.state.moveHistory.begin() + 1, g.state.moveHistory.begin() + 3),
              (std::vector{32, 42}));
    EXPECT_EQ(g.window.label1[0].caption, "in orizzontale posiziona 5 nomi di animali");
    for (int i = 1; i <= 5; ++i) EXPECT_TRUE(g.window.image2[i].visible);
    EXPECT_EQ(g.window.image1[8].borderStyle, 1);
}

TEST(MoveHistory, KeepsEveryMoveOfAVeryLongGameSoTheSolutionStillPlaysBack) {
    Game g = NewGame(7, 9);
    const std::string solution = g.state.solutionText;
    for (int i = 0; i < 2500; ++i) Image2_Click(g, (i * 11) % 28);
    EXPECT_EQ(g.state.moveCount, 2540);
    // Take back the last three one by one, then play back the rest.
    const std::string before = Letters(g);
    Image2_Click(g, 0);
    mnuAnnullaMossa_Click(g);
    Timer1_Timer(g);
    EXPECT_EQ(Letters(g), before);
    EXPECT_EQ(g.state.moveCount, 2540);
    mnuSoluzione_Click(g);
    int ticks = 0;
    while (g.window.timer1.enabled) {
        Timer1_Timer(g);
        ++ticks;
    }
    EXPECT_EQ(ticks, 2542);
    EXPECT_EQ(Letters(g), solution);
    EXPECT_EQ(g.state.moveCount, 0);
}
