#include "view/window/board_layout.h"

namespace pirandella {

namespace {

// The first grid line a board of size n uses: a 5 x 5 board leaves the outer ring out.
int FirstLine(int n) {
    return n == 5 ? 1 : 0;
}

// Before its first puzzle the window shows the whole grid, as designed.
bool LineInUse(int n, int gridLine) {
    if (n != 5 && n != 6) n = 7;
    return gridLine >= FirstLine(n) && gridLine < FirstLine(n) + n;
}

} // namespace

bool TileInUse(int n, int tile) {
    return tile >= 0 && tile < WindowModel::tileCount && LineInUse(n, tile / 7) &&
           LineInUse(n, tile % 7);
}

int TileOfPosition(int n, int position) {
    return TileAt(FirstLine(n) + position / n, FirstLine(n) + position % n);
}

int PositionOfTile(int n, int tile) {
    if (n < 5 || n > 7 || !TileInUse(n, tile)) return -1;
    return (tile / 7 - FirstLine(n)) * n + tile % 7 - FirstLine(n);
}

bool ArrowInUse(int n, int arrow) {
    return LineInUse(n, GridLineOf(arrow));
}

int ArrowLine(int n, int arrow) {
    return GridLineOf(arrow) - FirstLine(n) + 1;
}

// Above the grid a column turns down, right of it a row turns left, and so on.
Move ArrowMove(int n, int arrow) {
    static constexpr Direction turns[4] = {Direction::ColumnDown, Direction::RowLeft,
                                           Direction::RowRight, Direction::ColumnUp};
    return {turns[static_cast<int>(SideOf(arrow))], ArrowLine(n, arrow)};
}

int ArrowOfMove(int n, Move m) {
    for (int arrow = 0; arrow < WindowModel::arrowCount; ++arrow)
        if (ArrowInUse(n, arrow) && ArrowMove(n, arrow) == m) return arrow;
    return -1;
}

void ArrangeBoard(WindowModel& w, int n) {
    for (int i = 0; i < WindowModel::tileCount; ++i) w.tiles[i].visible = TileInUse(n, i);
    for (int i = 0; i < WindowModel::arrowCount; ++i) w.arrows[i].visible = ArrowInUse(n, i);
    const auto arrow = [&w](Side side, int k) -> Square& { return w.arrows[ArrowCell(side, k)]; };
    if (n == 5) { // each side's cells close in on the smaller board, into the hidden ring
        for (int k = 1; k <= 5; ++k) {
            arrow(Side::Above, k).top = w.tiles[TileAt(0, 0)].top;
            arrow(Side::Below, k).top = w.tiles[TileAt(6, 0)].top;
            arrow(Side::Left, k).left = w.tiles[TileAt(0, 0)].left;
            arrow(Side::Right, k).left = w.tiles[TileAt(0, 6)].left;
        }
    } else if (n == 6) { // the right and bottom cells move in by one
        for (int k = 0; k <= 5; ++k) {
            arrow(Side::Right, k).left = w.tiles[TileAt(5, 6)].left;
            arrow(Side::Below, k).top = w.tiles[TileAt(6, 0)].top;
        }
    }
}

// A letter in its solution place is drawn red on the background, any other dark on white.
void ShowLetters(WindowModel& w, const Game& g) {
    const int n = g.boardSize;
    for (int i = 0; i < n * n; ++i)
        w.tiles[TileOfPosition(n, i)].picture = {
            InPlace(g, i) ? Picture::LetterInPlace : Picture::LetterOutOfPlace, g.board[i]};
}

} // namespace pirandella
