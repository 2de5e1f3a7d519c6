#include "game_fixtures.h"

#include <gtest/gtest.h>

using namespace pirandella;
using namespace pirandella::testing;

namespace {

using D = Direction;
using M = pirandella::Move;

// Row 2 reads TIGRE; the rows are CORVO, TIGRE, DAINO, GATTO, LEONE.
Game TigreGame() {
    return SolvedBoard(5, {1, 29, 2, 6, 11});
}

M LastMove(const Game& g) {
    return g.moveHistory[g.moveCount];
}

} // namespace

TEST(ApplyMove, TurnsRowsAndColumnsByOneCellWithWrapAround) {
    Game right = TigreGame();
    Turn(right, D::RowRight, 2);
    EXPECT_EQ(Row(right, 2), "ETIGR");
    EXPECT_EQ(LastMove(right), (M{D::RowRight, 2}));
    EXPECT_EQ(Row(right, 1), "CORVO");

    Game left = TigreGame();
    Turn(left, D::RowLeft, 2);
    EXPECT_EQ(Row(left, 2), "IGRET");
    EXPECT_EQ(LastMove(left), (M{D::RowLeft, 2}));

    Game down = TigreGame();
    const std::string column = Column(down, 3); // R G I T O
    Turn(down, D::ColumnDown, 3);
    EXPECT_EQ(Column(down, 3), column.substr(4) + column.substr(0, 4));
    EXPECT_EQ(LastMove(down), (M{D::ColumnDown, 3}));
    EXPECT_EQ(Column(down, 2), "OIAAE"); // other columns stay

    Game up = TigreGame();
    Turn(up, D::ColumnUp, 3);
    EXPECT_EQ(Column(up, 3), column.substr(1) + column.substr(0, 1));
    EXPECT_EQ(LastMove(up), (M{D::ColumnUp, 3}));
}

TEST(ApplyMove, AMoveAndItsInverseRestoreTheBoardAndAreBothRecorded) {
    for (int n = 5; n <= 7; ++n) {
        Game g = NewBoard(n, 3);
        const std::string before = Letters(g);
        const int count = g.moveCount;
        Turn(g, D::ColumnDown, n);
        Turn(g, D::ColumnUp, n);
        Turn(g, D::RowRight, 1);
        Turn(g, D::RowLeft, 1);
        EXPECT_EQ(Letters(g), before);
        EXPECT_EQ(g.moveCount, count + 4);
        EXPECT_EQ(std::vector(g.moveHistory.begin() + count + 1,
                              g.moveHistory.begin() + count + 5),
                  (std::vector<M>{
                      {D::ColumnDown, n}, {D::ColumnUp, n}, {D::RowRight, 1}, {D::RowLeft, 1}}));
    }
}

TEST(ApplyMove, NMovesOnALineGiveItBack) {
    Game g = SolvedBoard(7, {1, 2, 3, 4, 5, 6, 7});
    const std::string before = Letters(g);
    for (D d : {D::ColumnDown, D::ColumnUp, D::RowRight, D::RowLeft})
        for (int line = 1; line <= 7; ++line) {
            for (int k = 0; k < 6; ++k) Turn(g, d, line);
            EXPECT_NE(Letters(g), before) << static_cast<int>(d) << line;
            Turn(g, d, line);
            EXPECT_EQ(Letters(g), before) << static_cast<int>(d) << line;
        }
}

TEST(ApplyMove, TouchesOnlyTheLettersOfTheBoardInUse) {
    Game g = NewBoard(5);
    for (int i = 0; i < 40; ++i) Turn(g, static_cast<D>(1 + i % 4), 1 + i % 5);
    for (int i = 25; i < 49; ++i) EXPECT_EQ(g.board[i], Letter{});
}

TEST(ApplyMove, DuringAPlaybackItKeepsTheCountAndOverwritesTheLastEntry) {
    Game g = NewBoard(6);
    const int count = g.moveCount;
    ApplyMove(g, {D::RowLeft, 6}, MoveSource::PlayedBack);
    EXPECT_EQ(g.moveCount, count);
    EXPECT_EQ(LastMove(g), (M{D::RowLeft, 6}));
}

TEST(ApplyMove, AnnouncesTheSolvedBoardOnlyForThePlayersMoves) {
    Game g = TigreGame();
    g.scrambleMoves = 0;
    Turn(g, D::RowRight, 2);
    Turn(g, D::RowLeft, 2);
    EXPECT_EQ(WindowOf(g).message.text, "SCHEMA RISOLTO con n°2 mosse");
    EXPECT_FALSE(WindowOf(g).arrows[1].visible);

    Game shown = TigreGame();
    ApplyMove(shown, {D::RowRight, 2}, MoveSource::SolutionPlayedBack);
    ApplyMove(shown, {D::RowLeft, 2}, MoveSource::SolutionPlayedBack);
    EXPECT_EQ(WindowOf(shown).message.text, "in orizzontale posiziona 5 nomi di animali");
    EXPECT_TRUE(WindowOf(shown).arrows[1].visible);
}

TEST(Scramble, MakesTwentyThirtyOrFortyRecordedMovesWithoutASolvedMessage) {
    const int expected[] = {20, 30, 40};
    for (int n = 5; n <= 7; ++n)
        for (unsigned seed = 1; seed <= 20; ++seed) {
            Game g = NewBoard(n, seed);
            ASSERT_EQ(g.scrambleMoves, expected[n - 5]);
            ASSERT_EQ(g.moveCount, g.scrambleMoves);
            for (int k = 1; k <= g.moveCount; ++k) {
                const M m = g.moveHistory[k];
                ASSERT_TRUE(m.direction != D::None && m.direction <= D::RowLeft && m.line >= 1 &&
                            m.line <= n)
                    << k;
            }
        }
}

TEST(Scramble, ThatPassesThroughTheSolutionShowsNoMessage) {
    Game g = SolvedBoard(5, {1, 29, 2, 6, 11});
    // Row 2 right, then row 2 left: back on the solution after two moves.
    g.rng.script({Pick(3, 4), Pick(2, 5), Pick(4, 4), Pick(2, 5)});
    Scramble(g);
    EXPECT_EQ(std::vector(g.moveHistory.begin() + 1, g.moveHistory.begin() + 3),
              (std::vector<M>{{D::RowRight, 2}, {D::RowLeft, 2}}));
    EXPECT_EQ(WindowOf(g).message.text, "in orizzontale posiziona 5 nomi di animali");
    for (int i = 1; i <= 5; ++i) EXPECT_TRUE(WindowOf(g).arrows[i].visible);
    EXPECT_TRUE(WindowOf(g).tiles[8].framed);
}

TEST(MoveHistory, KeepsEveryMoveOfAVeryLongGameSoTheSolutionStillPlaysBack) {
    Midend g = NewGame(7, 9);
    const std::string solution = g.game().solutionText;
    for (int i = 0; i < 2500; ++i) g.click(ArrowRef((i * 11) % 28));
    EXPECT_EQ(g.game().moveCount, 2540);
    // Take back the last one, then play back the rest.
    const std::string before = Letters(g);
    g.click(ArrowRef(0));
    g.command(Command::UndoMove);
    g.tick();
    EXPECT_EQ(Letters(g), before);
    EXPECT_EQ(g.game().moveCount, 2540);
    g.command(Command::ShowSolution);
    EXPECT_EQ(RunClock(g), 2542);
    EXPECT_EQ(Letters(g), solution);
    EXPECT_EQ(g.game().moveCount, 0);
}
