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

std::string InstructionsText() {
    std::string text = instructionsHeading;
    for (const char* paragraph : instructionsParagraphs) text += std::string("\n\n") + paragraph;
    return text;
}

} // namespace pirandella
