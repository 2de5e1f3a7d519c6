#include "game_fixtures.h"
#include "ui/handlers.h"

#include <gtest/gtest.h>

using namespace pirandella;
using namespace pirandella::testing;

namespace {

std::vector<int> VisibleTiles(const Game& g) {
    std::vector<int> v;
    for (int i = 0; i < 49; ++i)
        if (g.window.image1[i].visible) v.push_back(i);
    return v;
}

std::vector<int> VisibleArrows(const Game& g) {
    std::vector<int> v;
    for (int i = 0; i < 28; ++i)
        if (g.window.image2[i].visible) v.push_back(i);
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
    Game g = NewGame(5);
    EXPECT_EQ(VisibleTiles(g), Range({{8, 12}, {15, 19}, {22, 26}, {29, 33}, {36, 40}}));
    EXPECT_EQ(VisibleArrows(g), Range({{1, 5}, {8, 12}, {15, 19}, {22, 26}}));
    EXPECT_EQ(g.state.board[0][0], 8);
    EXPECT_EQ(g.state.board[5][0], 15);
    EXPECT_EQ(g.state.board[24][0], 40);
    EXPECT_EQ(g.state.board[25][0], -1);
    EXPECT_EQ(g.state.lastCellIndex, 24);
    for (int i = 1; i <= 5; ++i) {
        EXPECT_EQ(g.window.image2[i].top, design.image1[0].top);
        EXPECT_EQ(g.window.image2[i].left, design.image2[i].left);
        EXPECT_EQ(g.window.image2[21 + i].top, design.image1[42].top);
        EXPECT_EQ(g.window.image2[14 + i].left, design.image1[0].left);
        EXPECT_EQ(g.window.image2[7 + i].left, design.image1[6].left);
        EXPECT_EQ(g.window.image2[7 + i].top, design.image2[7 + i].top);
    }
}

TEST(ArrangeBoard, SixBySixDropsTheLastRowAndColumn) {
    Game g = NewGame(6);
    EXPECT_EQ(VisibleTiles(g), Range({{0, 5}, {7, 12}, {14, 19}, {21, 26}, {28, 33}, {35, 40}}));
    EXPECT_EQ(VisibleArrows(g), Range({{0, 5}, {7, 12}, {14, 19}, {21, 26}}));
    EXPECT_EQ(g.state.board[6][0], 7);
    EXPECT_EQ(g.state.board[35][0], 40);
    for (int i = 0; i <= 5; ++i) {
        EXPECT_EQ(g.window.image2[i].top, design.image2[i].top);
        EXPECT_EQ(g.window.image2[14 + i].left, design.image2[14 + i].left);
        EXPECT_EQ(g.window.image2[7 + i].left, design.image1[41].left);
        EXPECT_EQ(g.window.image2[21 + i].top, design.image1[42].top);
    }
}

TEST(ArrangeBoard, AfterSmallerBoardsANewPuzzleRestoresTheDesignPlaces) {
    Game g = NewGame(5);
    g.rng.script({SizeDraw(6)});
    mnuNS_Click(g);
    for (int i = 0; i <= 5; ++i) { // the top and left arrows are back at their design places
        EXPECT_EQ(g.window.image2[i].top, design.image2[i].top);
        EXPECT_EQ(g.window.image2[14 + i].left, design.image2[14 + i].left);
    }
    EXPECT_EQ(VisibleTiles(g).front(), 0);
    g.rng.script({SizeDraw(7)});
    mnuNS_Click(g);
    EXPECT_EQ(VisibleTiles(g).size(), 49u);
    EXPECT_EQ(VisibleArrows(g).size(), 28u);
    for (int k = 0; k < 49; ++k) EXPECT_EQ(g.state.board[k][0], k);
    for (int i = 0; i < 28; ++i) {
        EXPECT_EQ(g.window.image2[i].left, design.image2[i].left);
        EXPECT_EQ(g.window.image2[i].top, design.image2[i].top);
    }
    for (int i = 0; i < 28; ++i) EXPECT_EQ(g.state.arrowHome[i][0], design.image2[i].top);
}

TEST(SaveHomePositions, TwiceInARowStoresTheSameAndEmptiesTheBoard) {
    Game g = NewGame(6);
    SaveHomePositions(g);
    const auto cells = g.state.cellHome;
    const auto arrows = g.state.arrowHome;
    SaveHomePositions(g);
    EXPECT_EQ(g.state.cellHome, cells);
    EXPECT_EQ(g.state.arrowHome, arrows);
    for (const auto& row : g.state.board) EXPECT_EQ(row, (std::array<int, 2>{-1, -1}));
}

TEST(DrawBoard, DrawsLettersInPlaceRedAndOthersWhite) {
    Game g = SolvedGame(5, {1, 29, 2, 6, 11}); // CORVO TIGRE DAINO GATTO LEONE
    for (int i = 0; i < 25; ++i)
        EXPECT_EQ(g.window.image1[g.state.board[i][0]].picture,
                  (Picture{PictureList::ImageList2, g.state.solutionText[i] - 64}));
    g.window.image1[0].picture = {PictureList::ImageList3, 5}; // hidden tiles are never drawn
    Move(g, 3, 1); // OCORV: position i is shown by tile 8 + i along the first row
    const char* row = "OCORV";
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(g.window.image1[8 + i].picture, (Picture{PictureList::ImageList3, row[i] - 64}));
    EXPECT_EQ(g.window.image1[15].picture, (Picture{PictureList::ImageList2, 'T' - 64}));
    Move(g, 4, 1);
    EXPECT_EQ(g.window.image1[8].picture, (Picture{PictureList::ImageList2, 'C' - 64}));
    EXPECT_EQ(g.window.image1[0].picture, (Picture{PictureList::ImageList3, 5}));
}

TEST(DrawBoard, TreatsEqualLettersAsInterchangeable) {
    Game g = SolvedGame(5, {6, 1, 2, 3, 4}); // GATTO: two Ts side by side
    Move(g, 3, 1);                           // OGATT
    EXPECT_EQ(g.window.image1[11].picture, (Picture{PictureList::ImageList2, 'T' - 64}));
    EXPECT_EQ(g.window.image1[10].picture, (Picture{PictureList::ImageList3, 'A' - 64}));
}

TEST(CheckSolved, OnlyTheExactSolutionEndsThePuzzle) {
    Game solved = SolvedGame(5, {1, 29, 2, 6, 11});
    solved.state.moveCount = solved.state.scrambleMoves = 20;
    const std::string task = solved.window.label1[0].caption;

    Game shifted = solved; // every row spells a name, but not in its own row
    for (int c = 1; c <= 5; ++c) Move(shifted, 1, c);
    EXPECT_EQ(Row(shifted, 2), "CORVO");
    EXPECT_EQ(shifted.window.label1[0].caption, task);
    EXPECT_EQ(VisibleArrows(shifted).size(), 20u);

    Game lastOff = solved; // only the last position differs
    lastOff.state.board[24][1] = 'Z' - 64;
    CheckSolved(lastOff);
    EXPECT_EQ(lastOff.window.label1[0].caption, task);
    EXPECT_EQ(lastOff.window.image1[8].borderStyle, 1);

    Move(solved, 1, 1); // seven moves, solved by the last
    for (int k = 0; k < 5; ++k) Move(solved, 3, 1);
    EXPECT_EQ(solved.window.label1[0].caption, task);
    Move(solved, 2, 1);
    EXPECT_EQ(solved.window.label1[0].caption, "SCHEMA RISOLTO con n°7 mosse");
    for (const ImageElement& tile : solved.window.image1) EXPECT_EQ(tile.borderStyle, 0);
    for (int i = 0; i < 28; ++i) {
        EXPECT_EQ(solved.window.image2[i].borderStyle, 0);
        EXPECT_FALSE(solved.window.image2[i].visible);
    }
    EXPECT_FALSE(solved.window.image2[28].visible); // the instructions page is not touched
    EXPECT_EQ(solved.window.image2[28].borderStyle, 1);
}
