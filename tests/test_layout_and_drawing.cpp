#include "game_fixtures.h"
#include "view/window/board_layout.h"

#include <gtest/gtest.h>

using namespace pirandella;
using namespace pirandella::testing;

namespace {

std::vector<int> VisibleTiles(const Game& g) {
    std::vector<int> v;
    for (int i = 0; i < 49; ++i)
        if (WindowOf(g).tiles[i].visible) v.push_back(i);
    return v;
}

std::vector<int> VisibleArrows(const Game& g) {
    std::vector<int> v;
    for (int i = 0; i < 28; ++i)
        if (WindowOf(g).arrows[i].visible) v.push_back(i);
    return v;
}

std::vector<int> Range(std::initializer_list<std::pair<int, int>> spans) {
    std::vector<int> v;
    for (auto [from, to] : spans)
        for (int i = from; i <= to; ++i) v.push_back(i);
    return v;
}

const WindowModel design = DesignWindow();

} // namespace

TEST(ArrangeBoard, FiveByFiveUsesTheInnerGridWithArrowsClosedIn) {
    Game g = NewBoard(5);
    EXPECT_EQ(VisibleTiles(g), Range({{8, 12}, {15, 19}, {22, 26}, {29, 33}, {36, 40}}));
    EXPECT_EQ(VisibleArrows(g), Range({{1, 5}, {8, 12}, {15, 19}, {22, 26}}));
    EXPECT_EQ(TileOfPosition(5, 0), 8); // the k-th tile in use shows position k
    EXPECT_EQ(TileOfPosition(5, 5), 15);
    EXPECT_EQ(TileOfPosition(5, 24), 40);
    EXPECT_EQ(PositionOfTile(5, 40), 24);
    EXPECT_EQ(PositionOfTile(5, 7), -1);
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(WindowOf(g).arrows[i].top, design.tiles[0].top);
        EXPECT_EQ(WindowOf(g).arrows[i].left, design.arrows[i].left);
        EXPECT_EQ(WindowOf(g).arrows[21 + i].top, design.tiles[42].top);
        EXPECT_EQ(WindowOf(g).arrows[14 + i].left, design.tiles[0].left);
        EXPECT_EQ(WindowOf(g).arrows[7 + i].left, design.tiles[6].left);
        EXPECT_EQ(WindowOf(g).arrows[7 + i].top, design.arrows[7 + i].top);
    }
}

TEST(ArrangeBoard, SixBySixDropsTheLastRowAndColumn) {
    Game g = NewBoard(6);
    EXPECT_EQ(VisibleTiles(g), Range({{0, 5}, {7, 12}, {14, 19}, {21, 26}, {28, 33}, {35, 40}}));
    EXPECT_EQ(VisibleArrows(g), Range({{0, 5}, {7, 12}, {14, 19}, {21, 26}}));
    EXPECT_EQ(TileOfPosition(6, 6), 7);
    EXPECT_EQ(TileOfPosition(6, 35), 40);
    EXPECT_EQ(PositionOfTile(6, 7), 6);
    EXPECT_EQ(PositionOfTile(6, 41), -1);
    for (int i = 0; i <= 5; ++i) {
        EXPECT_EQ(WindowOf(g).arrows[i].top, design.arrows[i].top);
        EXPECT_EQ(WindowOf(g).arrows[14 + i].left, design.arrows[14 + i].left);
        EXPECT_EQ(WindowOf(g).arrows[7 + i].left, design.tiles[41].left);
        EXPECT_EQ(WindowOf(g).arrows[21 + i].top, design.tiles[42].top);
    }
}

TEST(ArrangeBoard, AfterSmallerBoardsANewPuzzleRestoresTheDesignPlaces) {
    Game g = NewBoard(5);
    g.rng.script({SizeDraw(6)});
    NewPuzzle(g);
    for (int i = 0; i <= 5; ++i) { // the top and left arrows are back at their design places
        EXPECT_EQ(WindowOf(g).arrows[i].top, design.arrows[i].top);
        EXPECT_EQ(WindowOf(g).arrows[14 + i].left, design.arrows[14 + i].left);
    }
    EXPECT_EQ(VisibleTiles(g).front(), 0);
    g.rng.script({SizeDraw(7)});
    NewPuzzle(g);
    EXPECT_EQ(VisibleTiles(g).size(), 49u);
    EXPECT_EQ(VisibleArrows(g).size(), 28u);
    for (int k = 0; k < 49; ++k) EXPECT_EQ(TileOfPosition(7, k), k);
    for (int i = 0; i < 28; ++i) {
        EXPECT_EQ(WindowOf(g).arrows[i].left, design.arrows[i].left);
        EXPECT_EQ(WindowOf(g).arrows[i].top, design.arrows[i].top);
    }
}

TEST(ShowLetters, DrawsLettersInPlaceRedAndOthersWhite) {
    Game g = SolvedBoard(5, {1, 29, 2, 6, 11}); // CORVO TIGRE DAINO GATTO LEONE
    const auto red = [](char c) { return Picture{Picture::LetterInPlace, Letter::Of(c)}; };
    const auto dark = [](char c) { return Picture{Picture::LetterOutOfPlace, Letter::Of(c)}; };
    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 5; ++c)
            EXPECT_EQ(WindowOf(g).tiles[8 + 7 * r + c].picture,
                      red(g.solutionText[5 * r + c]));
    Turn(g, Direction::RowRight, 1); // OCORV: position i is shown by tile 8 + i
    const char* row = "OCORV";
    for (int i = 0; i < 5; ++i) EXPECT_EQ(WindowOf(g).tiles[8 + i].picture, dark(row[i]));
    EXPECT_EQ(WindowOf(g).tiles[15].picture, red('T'));
    Turn(g, Direction::RowLeft, 1);
    EXPECT_EQ(WindowOf(g).tiles[8].picture, red('C'));
    EXPECT_EQ(WindowOf(g).tiles[0].picture, Picture{}); // a tile not in use shows nothing
}

TEST(ShowLetters, TreatsEqualLettersAsInterchangeable) {
    Game g = SolvedBoard(5, {6, 1, 2, 3, 4}); // GATTO: two Ts side by side
    Turn(g, Direction::RowRight, 1);       // OGATT
    EXPECT_EQ(WindowOf(g).tiles[11].picture, (Picture{Picture::LetterInPlace, Letter::Of('T')}));
    EXPECT_EQ(WindowOf(g).tiles[10].picture, (Picture{Picture::LetterOutOfPlace, Letter::Of('A')}));
}

TEST(CheckSolved, OnlyTheExactSolutionEndsThePuzzle) {
    Game solved = SolvedBoard(5, {1, 29, 2, 6, 11});
    solved.moveCount = solved.scrambleMoves = 20;
    const std::string task = WindowOf(solved).message.text;

    Game shifted = solved; // every row spells a name, but not in its own row
    for (int c = 1; c <= 5; ++c) Turn(shifted, Direction::ColumnDown, c);
    EXPECT_EQ(Row(shifted, 2), "CORVO");
    EXPECT_EQ(WindowOf(shifted).message.text, task);
    EXPECT_EQ(VisibleArrows(shifted).size(), 20u);

    Game lastOff = solved; // only the last position differs
    lastOff.board[24] = Letter::Of('Z');
    CheckSolved(lastOff);
    EXPECT_EQ(WindowOf(lastOff).message.text, task);
    EXPECT_TRUE(WindowOf(lastOff).tiles[8].framed);

    Turn(solved, Direction::ColumnDown, 1); // seven moves, solved by the last
    for (int k = 0; k < 5; ++k) Turn(solved, Direction::RowRight, 1);
    EXPECT_EQ(WindowOf(solved).message.text, task);
    Turn(solved, Direction::ColumnUp, 1);
    EXPECT_EQ(WindowOf(solved).message.text, "SCHEMA RISOLTO con n°7 mosse");
    for (const Square& tile : WindowOf(solved).tiles) EXPECT_FALSE(tile.framed);
    for (int i = 0; i < 28; ++i) {
        EXPECT_FALSE(WindowOf(solved).arrows[i].framed);
        EXPECT_FALSE(WindowOf(solved).arrows[i].visible);
    }
    EXPECT_FALSE(WindowOf(solved).page.visible); // the instructions page is not touched
    EXPECT_TRUE(WindowOf(solved).page.framed);
}
