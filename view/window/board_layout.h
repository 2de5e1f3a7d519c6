// The window fitted to the board's size: a smaller board uses the inner tiles of the 7 x 7 grid,
// its arrow cells close in on it, and board position k is shown by the k-th tile in use.
#pragma once

#include "view/window/window_model.h"

namespace pirandella {

bool TileInUse(int boardSize, int tile);
int TileOfPosition(int boardSize, int position);
int PositionOfTile(int boardSize, int tile); // -1 for a tile not in use
bool ArrowInUse(int boardSize, int arrow);
// The line an arrow cell turns, from 1: its place among the arrow cells in use on its side.
int ArrowLine(int boardSize, int arrow);
// The move a click on an arrow cell makes.
Move ArrowMove(int boardSize, int arrow);
// The arrow cell that makes a move, on the side whose cells turn its line that way.
int ArrowOfMove(int boardSize, Move m);
// The grid fitted to the board size: unused tiles and arrow cells hidden, arrow cells closed in.
void ArrangeBoard(WindowModel& w, int boardSize);
// Each tile in use shows its position's letter, in its solution place or not.
void ShowLetters(WindowModel& w, const Game& g);

} // namespace pirandella
