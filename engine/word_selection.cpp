#include "engine/game.h"

#include <algorithm>
#include <cctype>

namespace pirandella {

namespace {

void CollectCandidates(GameState& s, const std::vector<std::string>& table) {
    for (const std::string& name : table) {
        if (static_cast<int>(name.size()) != s.boardSize) continue;
        std::string upper = name;
        for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        s.candidates[++s.candidateCount] = upper;
    }
}

bool AlreadyChosen(const GameState& s, int row, const std::string& name) {
    return std::find(s.chosenWords.begin() + 1, s.chosenWords.begin() + row, name) !=
           s.chosenWords.begin() + row;
}

} // namespace

// Draws the size, then N different names of N letters, one per row: the solution.
void ChooseWords(Game& g) {
    GameState& s = g.state;
    s.candidateCount = 0;
    s.boardSize = 4 + g.rng.draw(3);
    CollectCandidates(s, s.animalsA);
    CollectCandidates(s, s.animalsB);
    g.window.label1[0].caption =
        "in orizzontale posiziona " + std::to_string(s.boardSize) + " nomi di animali";
    s.solutionText.clear();
    for (int row = 1; row <= s.boardSize; ++row) {
        std::string name;
        do {
            name = s.candidates[g.rng.draw(s.candidateCount)];
        } while (AlreadyChosen(s, row, name)); // a repeat is discarded and drawn again
        s.chosenWords[row] = name;
        s.solutionText += name;
    }
    for (int i = 0; i < s.boardSize * s.boardSize; ++i) s.board[i][1] = s.solutionText[i] - 64;
}

} // namespace pirandella
