#include "engine/game.h"

namespace pirandella {

void SaveHomePositions(Game& g) {
    GameState& s = g.state;
    for (int i = 0; i < WindowModel::tileCount; ++i) {
        s.cellHome[i] = {g.window.image1[i].top, g.window.image1[i].left};
        s.board[i] = {-1, -1};
    }
    for (int i = 0; i < WindowModel::arrowCount; ++i)
        s.arrowHome[i] = {g.window.image2[i].top, g.window.image2[i].left};
}

namespace {

// 5 x 5: the outer ring of the grid goes, and the arrows close in on the smaller board.
void ArrangeFive(WindowModel& w) {
    for (int i = 0; i <= 6; ++i) {
        w.image1[i].visible = false;
        w.image1[42 + i].visible = false;
        w.image1[7 * i].visible = false;
        w.image1[7 * i + 6].visible = false;
    }
    for (int i : {0, 6, 7, 13, 14, 20, 21, 27}) w.image2[i].visible = false;
    for (int i = 1; i <= 5; ++i) {
        w.image2[i].top = w.image1[0].top;
        w.image2[21 + i].top = w.image1[42].top;
        w.image2[14 + i].left = w.image1[0].left;
        w.image2[7 + i].left = w.image1[6].left;
    }
}

// 6 x 6: the last grid column and row go; right and bottom arrows move in by one cell.
void ArrangeSix(WindowModel& w) {
    for (int i = 6; i <= 48; i += 7) w.image1[i].visible = false;
    for (int i = 42; i <= 48; ++i) w.image1[i].visible = false;
    for (int i : {6, 27, 13, 20}) w.image2[i].visible = false;
    for (int i = 7; i <= 12; ++i) w.image2[i].left = w.image1[41].left;
    for (int i = 21; i <= 26; ++i) w.image2[i].top = w.image1[42].top;
}

} // namespace

// Fits the 7 x 7 design grid to the board size, then lists the visible tiles in index order:
// the k-th visible tile shows board cell k.
void ArrangeBoard(Game& g) {
    GameState& s = g.state;
    WindowModel& w = g.window;
    if (s.boardSize == 5) ArrangeFive(w);
    if (s.boardSize == 6) ArrangeSix(w);
    if (s.boardSize == 7)
        for (ImageElement& tile : w.image1) tile.visible = true;
    s.lastCellIndex = -1;
    for (int i = 0; i < WindowModel::tileCount; ++i)
        if (w.image1[i].visible) s.board[++s.lastCellIndex][0] = i;
}

void RestoreHomePositions(Game& g) {
    GameState& s = g.state;
    for (int i = 0; i < WindowModel::tileCount; ++i) {
        ImageElement& tile = g.window.image1[i];
        tile.visible = true;
        tile.top = s.cellHome[i][0];
        tile.left = s.cellHome[i][1];
    }
    for (int i = 0; i < WindowModel::arrowCount; ++i) {
        ImageElement& arrow = g.window.image2[i];
        arrow.visible = true;
        arrow.top = s.arrowHome[i][0];
        arrow.left = s.arrowHome[i][1];
    }
}

} // namespace pirandella
