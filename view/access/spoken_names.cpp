#include "view/access/spoken_names.h"

#include "view/window/board_layout.h"

namespace pirandella {

// Above the grid a column turns down, right of it a row turns left, and so on.
std::string ArrowName(int boardSize, int arrow) {
    static constexpr const char* turns[4] = {", ruota in giù", ", ruota a sinistra",
                                             ", ruota a destra", ", ruota in su"};
    const Side side = SideOf(arrow);
    return (TurnsColumn(side) ? "Colonna " : "Riga ") + std::to_string(ArrowLine(boardSize, arrow)) +
           turns[static_cast<int>(side)];
}

std::string TileName(const Game& g, int tile) {
    const int n = g.boardSize, pos = PositionOfTile(n, tile);
    if (pos < 0) return {};
    std::string name = "Riga " + std::to_string(pos / n + 1) + ", colonna " +
                       std::to_string(pos % n + 1) + ": " + g.board[pos].character();
    if (InPlace(g, pos)) name += ", al posto giusto";
    return name;
}

std::string LineReport(const Game& g, bool column, int line) {
    const int n = g.boardSize;
    if (line < 1 || line > n) return {};
    std::string letters;
    int inPlace = 0;
    for (int k = 0; k < n; ++k) {
        const int pos = column ? k * n + line - 1 : (line - 1) * n + k;
        letters += (k ? ", " : "") + std::string(1, g.board[pos].character());
        inPlace += InPlace(g, pos);
    }
    return (column ? "Colonna " : "Riga ") + std::to_string(line) + ": " + letters + "; " +
           std::to_string(inPlace) + " al posto giusto";
}

std::string ArrowLineReport(const Game& g, int arrow) {
    return LineReport(g, TurnsColumn(SideOf(arrow)), ArrowLine(g.boardSize, arrow));
}

std::string UndoReport(const Game& g, Move undone) {
    if (undone.direction == Direction::None || undone.line < 1 || undone.line > g.boardSize)
        return "Mossa annullata.";
    return "Mossa annullata. " + LineReport(g, undone.turnsColumn(), undone.line);
}

std::string SolutionReport(const Game& g) {
    std::string words;
    for (int k = 1; k <= g.boardSize; ++k) words += (k > 1 ? ", " : "") + g.chosenWords[k];
    return "Soluzione: " + words;
}

std::string InstructionsText() {
    std::string text = instructionsHeading;
    for (const char* paragraph : instructionsParagraphs) text += std::string("\n\n") + paragraph;
    return text;
}

} // namespace pirandella
