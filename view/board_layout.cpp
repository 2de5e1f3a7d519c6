#include "view/window_model.h"

namespace pirandella {

bool TileInUse(int n, int tile) {
    const int y = tile / 7, x = tile % 7;
    if (n == 5) return x >= 1 && x <= 5 && y >= 1 && y <= 5; // the outer ring goes
    if (n == 6) return x < 6 && y < 6;                       // the last column and row go
    return tile >= 0 && tile < WindowModel::tileCount;
}

int TileOfPosition(int n, int position) {
    const int first = n == 5 ? 8 : 0; // a 5 x 5 board starts one tile in
    return n == 7 ? position : first + 7 * (position / n) + position % n;
}

int PositionOfTile(int n, int tile) {
    if (n < 5 || n > 7 || !TileInUse(n, tile)) return -1;
    const int first = n == 5 ? 8 : 0;
    return (tile - first) / 7 * n + (tile - first) % 7;
}

bool ArrowInUse(int n, int arrow) {
    const int k = arrow % 7;
    if (n == 5) return k >= 1 && k <= 5;
    if (n == 6) return k < 6;
    return true;
}

int ArrowLine(int n, int arrow) {
    return arrow % 7 + (n == 5 ? 0 : 1); // a 5 x 5 board leaves each group's first arrow out
}

Move ArrowMove(int n, int arrow) {
    static constexpr Direction directionOf[4] = {Direction::ColumnDown, Direction::RowLeft,
                                                 Direction::RowRight, Direction::ColumnUp};
    return {directionOf[arrow / 7], ArrowLine(n, arrow)};
}

void ArrangeBoard(WindowModel& w, int n) {
    for (int i = 0; i < WindowModel::tileCount; ++i) w.tiles[i].visible = TileInUse(n, i);
    for (int i = 0; i < WindowModel::arrowCount; ++i) w.arrows[i].visible = ArrowInUse(n, i);
    if (n == 5) { // the arrows close in on the smaller board
        for (int i = 1; i <= 5; ++i) {
            w.arrows[i].top = w.tiles[0].top;
            w.arrows[21 + i].top = w.tiles[42].top;
            w.arrows[14 + i].left = w.tiles[0].left;
            w.arrows[7 + i].left = w.tiles[6].left;
        }
    } else if (n == 6) { // right and bottom arrows move in by one cell
        for (int i = 7; i <= 12; ++i) w.arrows[i].left = w.tiles[41].left;
        for (int i = 21; i <= 26; ++i) w.arrows[i].top = w.tiles[42].top;
    }
}

// A letter in its solution place is drawn red on the background, any other dark on white.
void DrawBoard(WindowModel& w, const Game& g) {
    const int n = g.boardSize;
    for (int i = 0; i < n * n; ++i)
        w.tiles[TileOfPosition(n, i)].picture = {
            InPlace(g, i) ? Picture::LetterInPlace : Picture::LetterOutOfPlace, g.board[i]};
}

} // namespace pirandella
