#include "engine/game.h"

namespace pirandella {

// A letter in its solution place is drawn red on the background (ImageList2), any other dark
// on white (ImageList3). The letter number is the picture's item number.
void DrawBoard(Game& g) {
    const GameState& s = g.state;
    for (int i = 0; i < s.boardSize * s.boardSize; ++i) {
        const int letter = s.board[i][1];
        const bool inPlace = s.solutionText[i] - 64 == letter;
        g.window.image1[s.board[i][0]].picture = {
            inPlace ? PictureList::ImageList2 : PictureList::ImageList3, letter};
    }
}

} // namespace pirandella
