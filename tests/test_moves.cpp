#include "game_fixtures.h"
#include "ui/session.h"

#include <gtest/gtest.h>

using namespace pirandella;
using namespace pirandella::testing;

namespace {

using D = Direction;
using M = pirandella::Move;

// Row 2 reads TIGRE; the rows are CORVO, TIGRE, DAINO, GATTO, LEONE.
Session TigreGame() {
    return SolvedGame(5, {1, 29, 2, 6, 11});
}

M LastMove(const Session& g) {
    return g.game.moveHistory[g.game.moveCount];
}

} // namespace

TEST(ApplyMove, TurnsRowsAndColumnsByOneCellWithWrapAround) {
    Session right = TigreGame();
    Turn(right.game, D::RowRight, 2);
    EXPECT_EQ(Row(right, 2), "ETIGR");
    EXPECT_EQ(LastMove(right), (M{D::RowRight, 2}));
    EXPECT_EQ(Row(right, 1), "CORVO");

    Session left = TigreGame();
    Turn(left.game, D::RowLeft, 2);
    EXPECT_EQ(Row(left, 2), "IGRET");
    EXPECT_EQ(LastMove(left), (M{D::RowLeft, 2}));

    Session down = TigreGame();
    const std::string column = Column(down, 3); // R G I T O
    Turn(down.game, D::ColumnDown, 3);
    EXPECT_EQ(Column(down, 3), column.substr(4) + column.substr(0, 4));
    EXPECT_EQ(LastMove(down), (M{D::ColumnDown, 3}));
    EXPECT_EQ(Column(down, 2), "OIAAE"); // other columns stay

    Session up = TigreGame();
    Turn(up.game, D::ColumnUp, 3);
    EXPECT_EQ(Column(up, 3), column.substr(1) + column.substr(0, 1));
    EXPECT_EQ(LastMove(up), (M{D::ColumnUp, 3}));
}

TEST(ApplyMove, AMoveAndItsInverseRestoreTheBoardAndAreBothRecorded) {
    for (int n = 5; n <= 7; ++n) {
        Session g = NewGame(n, 3);
        const std::string before = Letters(g);
        const int count = g.game.moveCount;
        Turn(g.game, D::ColumnDown, n);
        Turn(g.game, D::ColumnUp, n);
        Turn(g.game, D::RowRight, 1);
        Turn(g.game, D::RowLeft, 1);
        EXPECT_EQ(Letters(g), before);
        EXPECT_EQ(g.game.moveCount, count + 4);
        EXPECT_EQ(std::vector(g.game.moveHistory.begin() + count + 1,
                              g.game.moveHistory.begin() + count + 5),
                  (std::vector<M>{
                      {D::ColumnDown, n}, {D::ColumnUp, n}, {D::RowRight, 1}, {D::RowLeft, 1}}));
    }
}

TEST(ApplyMove, NMovesOnALineGiveItBack) {
    Session g = SolvedGame(7, {1, 2, 3, 4, 5, 6, 7});
    const std::string before = Letters(g);
    for (D d : {D::ColumnDown, D::ColumnUp, D::RowRight, D::RowLeft})
        for (int line = 1; line <= 7; ++line) {
            for (int k = 0; k < 6; ++k) Turn(g.game, d, line);
            EXPECT_NE(Letters(g), before) << static_cast<int>(d) << line;
            Turn(g.game, d, line);
            EXPECT_EQ(Letters(g), before) << static_cast<int>(d) << line;
        }
}

TEST(ApplyMove, TouchesOnlyTheLettersOfTheBoardInUse) {
    Session g = NewGame(5);
    for (int i = 0; i < 40; ++i) Turn(g.game, static_cast<D>(1 + i % 4), 1 + i % 5);
    for (int i = 25; i < 49; ++i) EXPECT_EQ(g.game.board[i], Letter{});
}

TEST(ApplyMove, DuringAPlaybackItKeepsTheCountAndOverwritesTheLastEntry) {
    Session g = NewGame(6);
    const int count = g.game.moveCount;
    g.game.replaying = true;
    Turn(g.game, D::RowLeft, 6);
    EXPECT_EQ(g.game.moveCount, count);
    EXPECT_EQ(LastMove(g), (M{D::RowLeft, 6}));
}

TEST(ApplyMove, AnnouncesTheSolvedBoardOnlyForThePlayersMoves) {
    Session g = TigreGame();
    g.game.scrambleMoves = 0;
    Turn(g.game, D::RowRight, 2);
    Turn(g.game, D::RowLeft, 2);
    EXPECT_EQ(WindowOf(g).message.caption, "SCHEMA RISOLTO con n°2 mosse");
    EXPECT_FALSE(WindowOf(g).arrows[1].visible);

    Session shown = TigreGame();
    shown.game.solutionShown = true;
    Turn(shown.game, D::RowRight, 2);
    Turn(shown.game, D::RowLeft, 2);
    EXPECT_EQ(WindowOf(shown).message.caption, "in orizzontale posiziona 5 nomi di animali");
    EXPECT_TRUE(WindowOf(shown).arrows[1].visible);
}

TEST(Scramble, MakesTwentyThirtyOrFortyRecordedMovesWithoutASolvedMessage) {
    const int expected[] = {20, 30, 40};
    for (int n = 5; n <= 7; ++n)
        for (unsigned seed = 1; seed <= 20; ++seed) {
            Session g = NewGame(n, seed);
            ASSERT_EQ(g.game.scrambleMoves, expected[n - 5]);
            ASSERT_EQ(g.game.moveCount, g.game.scrambleMoves);
            for (int k = 1; k <= g.game.moveCount; ++k) {
                const M m = g.game.moveHistory[k];
                ASSERT_TRUE(m.direction != D::None && m.direction <= D::RowLeft && m.line >= 1 &&
                            m.line <= n)
                    << k;
            }
            EXPECT_FALSE(g.game.scrambling);
        }
}

TEST(Scramble, ThatPassesThroughTheSolutionShowsNoMessage) {
    Session g = SolvedGame(5, {1, 29, 2, 6, 11});
    // Row 2 right, then row 2 left: back on the solution after two moves.
    g.game.rng.script({Pick(3, 4), Pick(2, 5), Pick(4, 4), Pick(2, 5)});
    Scramble(g.game);
    EXPECT_EQ(std::vector(g.game.moveHistory.begin() + 1, g.game.moveHistory.begin() + 3),
              (std::vector<M>{{D::RowRight, 2}, {D::RowLeft, 2}}));
    EXPECT_EQ(WindowOf(g).message.caption, "in orizzontale posiziona 5 nomi di animali");
    for (int i = 1; i <= 5; ++i) EXPECT_TRUE(WindowOf(g).arrows[i].visible);
    EXPECT_TRUE(WindowOf(g).tiles[8].framed);
}

TEST(MoveHistory, KeepsEveryMoveOfAVeryLongGameSoTheSolutionStillPlaysBack) {
    Session g = NewGame(7, 9);
    const std::string solution = g.game.solutionText;
    for (int i = 0; i < 2500; ++i) ClickArrowCell(g, (i * 11) % 28);
    EXPECT_EQ(g.game.moveCount, 2540);
    // Take back the last three one by one, then play back the rest.
    const std::string before = Letters(g);
    ClickArrowCell(g, 0);
    StartUndo(g);
    PlaybackTick(g);
    EXPECT_EQ(Letters(g), before);
    EXPECT_EQ(g.game.moveCount, 2540);
    StartSolution(g);
    int ticks = 0;
    while (g.game.replaying) {
        PlaybackTick(g);
        ++ticks;
    }
    EXPECT_EQ(ticks, 2542);
    EXPECT_EQ(Letters(g), solution);
    EXPECT_EQ(g.game.moveCount, 0);
}
