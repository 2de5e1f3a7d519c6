#include "view/spoken_names.h"

namespace pirandella {

std::string ArrowName(const WindowModel& w, int index) {
    static constexpr const char* lines[4] = {"Colonna ", "Riga ", "Riga ", "Colonna "};
    static constexpr const char* turns[4] = {", ruota in giù", ", ruota a sinistra",
                                             ", ruota a destra", ", ruota in su"};
    const int group = index / 7; // above, right, left, below
    return lines[group] + std::to_string(ArrowLine(w, index)) + turns[group];
}

std::string TileName(const Game& g, int tile) {
    const GameState& s = g.state;
    const int n = s.boardSize;
    for (int pos = 0; pos < n * n; ++pos) {
        if (s.board[pos][0] != tile) continue;
        const int letter = s.board[pos][1];
        std::string name = "Riga " + std::to_string(pos / n + 1) + ", colonna " +
                           std::to_string(pos % n + 1) + ": " + static_cast<char>(64 + letter);
        if (s.solutionText[pos] - 64 == letter) name += ", al posto giusto";
        return name;
    }
    return {};
}

std::string LineReport(const Game& g, bool column, int line) {
    const GameState& s = g.state;
    const int n = s.boardSize;
    std::string letters;
    int inPlace = 0;
    for (int k = 0; k < n; ++k) {
        const int pos = column ? k * n + line - 1 : (line - 1) * n + k;
        letters += (k ? ", " : "") + std::string(1, static_cast<char>(64 + s.board[pos][1]));
        inPlace += s.solutionText[pos] - 64 == s.board[pos][1];
    }
    return (column ? "Colonna " : "Riga ") + std::to_string(line) + ": " + letters + "; " +
           std::to_string(inPlace) + " al posto giusto";
}

std::string ArrowLineReport(const Game& g, int arrow) {
    const int group = arrow / 7; // above, right, left, below
    return LineReport(g, group == 0 || group == 3, ArrowLine(g.window, arrow));
}

std::string UndoReport(const Game& g, int moveCode) {
    const int dir = moveCode / 10, line = moveCode - 10 * dir;
    if (dir < 1 || dir > 4 || line < 1 || line > g.state.boardSize) return "Mossa annullata.";
    return "Mossa annullata. " + LineReport(g, dir <= 2, line);
}

std::string SolutionReport(const Game& g) {
    std::string words;
    for (int k = 1; k <= g.state.boardSize; ++k)
        words += (k > 1 ? ", " : "") + g.state.chosenWords[k];
    return "Soluzione: " + words;
}

std::string InstructionsText() {
    std::string text = instructionsHeading;
    for (const char* paragraph : instructionsParagraphs) text += std::string("\n\n") + paragraph;
    return text;
}

} // namespace pirandella
