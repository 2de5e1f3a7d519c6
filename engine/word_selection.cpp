#include "engine/game.h"

#include <algorithm>
#include <cctype>

namespace pirandella {

namespace {

void CollectCandidates(Game& g, const std::vector<std::string>& table) {
    for (const std::string& name : table) {
        if (static_cast<int>(name.size()) != g.boardSize) continue;
        std::string upper = name;
        for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        g.candidates[++g.candidateCount] = upper;
    }
}

bool AlreadyChosen(const Game& g, int row, const std::string& name) {
    return std::find(g.chosenWords.begin() + 1, g.chosenWords.begin() + row, name) !=
           g.chosenWords.begin() + row;
}

} // namespace

// Draws the size, then N different names of N letters, one per row: the solution, which the
// board holds until the scramble.
void ChooseWords(Game& g) {
    g.candidateCount = 0;
    g.boardSize = 4 + g.rng.draw(3);
    CollectCandidates(g, g.animalsA);
    CollectCandidates(g, g.animalsB);
    g.solutionText.clear();
    for (int row = 1; row <= g.boardSize; ++row) {
        std::string name;
        do {
            name = g.candidates[g.rng.draw(g.candidateCount)];
        } while (AlreadyChosen(g, row, name)); // a repeat is discarded and drawn again
        g.chosenWords[row] = name;
        g.solutionText += name;
    }
    for (int i = 0; i < g.boardSize * g.boardSize; ++i) g.board[i] = Letter::Of(g.solutionText[i]);
}

} // namespace pirandella
