#include "game_fixtures.h"

#include <gtest/gtest.h>
#include <set>

using namespace pirandella;
using namespace pirandella::testing;

namespace {

std::vector<std::string> CandidatesOf(int n) {
    Game g = SolvedBoard(n, std::vector<int>{1, 2, 3, 4, 5, 6, 7}); // n of these are used
    return {g.candidates.begin() + 1, g.candidates.begin() + 1 + g.candidateCount};
}

} // namespace

TEST(AnimalTables, HoldHundredDistinctNamesOfFiveToSevenPlainLetters) {
    Game g;
    FillAnimalTables(g);
    ASSERT_EQ(g.animalsA.size(), 50u);
    ASSERT_EQ(g.animalsB.size(), 50u);
    std::set<std::string> all;
    int byLength[2][8] = {};
    for (int t = 0; t < 2; ++t)
        for (const std::string& name : t == 0 ? g.animalsA : g.animalsB) {
            all.insert(name);
            ++byLength[t][name.size()];
            for (char c : name) {
                EXPECT_TRUE(c >= 'A' && c <= 'Z') << name;
                EXPECT_TRUE(c != 'J' && c != 'W' && c != 'X') << name;
            }
        }
    EXPECT_EQ(all.size(), 100u);
    EXPECT_EQ((std::vector{byLength[0][5], byLength[0][6], byLength[0][7]}),
              (std::vector{17, 15, 18}));
    EXPECT_EQ((std::vector{byLength[1][5], byLength[1][6], byLength[1][7]}),
              (std::vector{14, 18, 18}));
    // The order is the tables' own, not alphabetical.
    EXPECT_EQ(g.animalsA[27], "GRONGO");
    EXPECT_EQ(g.animalsA[28], "GRILLO");
    EXPECT_EQ(g.animalsA[34], "VESPA");
    EXPECT_EQ(g.animalsB[18], "VISONE");
    EXPECT_EQ(g.animalsB[49], "TUCANO");
}

TEST(AnimalTables, AreRebuiltUnchangedByEveryPuzzle) {
    Game g = NewBoard(6);
    const auto a = g.animalsA, b = g.animalsB;
    g.animalsA[0] = "XXXXX";
    for (int i = 0; i < 3; ++i) NewPuzzle(g);
    EXPECT_EQ(g.animalsA, a);
    EXPECT_EQ(g.animalsB, b);
}

TEST(Candidates, AreTheNamesOfEachLengthInTableOrder) {
    EXPECT_EQ(CandidatesOf(5),
              (std::vector<std::string>{
                  "CORVO", "DAINO", "DINGO", "FAINA", "GALLO", "GATTO", "GAZZA", "GHIRO",
                  "KOALA", "VESPA", "LEONE", "LEPRE", "LINCE", "MAMBA", "MANTA", "MERLO",
                  "MOSCA", "NANDU", "OKAPI", "ORATA", "PANDA", "VOLPE", "POLPO", "RAGNO",
                  "RENNA", "ROSPO", "TALPA", "TASSO", "TIGRE", "TONNO", "TROTA"}));
    const auto six = CandidatesOf(6), seven = CandidatesOf(7);
    ASSERT_EQ(six.size(), 33u);
    EXPECT_EQ(six.front(), "COYOTE");
    EXPECT_EQ(six[14], "MEDUSA"); // the last of the first table
    EXPECT_EQ(six[15], "MURENA");
    EXPECT_EQ(six.back(), "TUCANO");
    ASSERT_EQ(seven.size(), 36u);
    EXPECT_EQ(seven.front(), "CRICETO");
    EXPECT_EQ(seven[17], "MARTORA");
    EXPECT_EQ(seven[18], "MUFLONE");
    EXPECT_EQ(seven.back(), "TACCOLA");
}

TEST(ChooseWords, LaysTheDrawnNamesOneToARowAndShowsTheTask) {
    Game g = SolvedBoard(5, {29, 1, 31, 2, 3}); // TIGRE, CORVO, TROTA, DAINO, DINGO
    EXPECT_EQ(g.boardSize, 5);
    EXPECT_EQ(g.solutionText, "TIGRECORVOTROTADAINODINGO");
    EXPECT_EQ(g.chosenWords[1], "TIGRE");
    EXPECT_EQ(g.chosenWords[5], "DINGO");
    for (int i = 0; i < 25; ++i) EXPECT_EQ(g.board[i].character(), g.solutionText[i]);
    EXPECT_EQ(WindowOf(g).message.text, "in orizzontale posiziona 5 nomi di animali");

    Game seven = SolvedBoard(7, {1, 2, 3, 4, 5, 6, 36});
    EXPECT_EQ(WindowOf(seven).message.text, "in orizzontale posiziona 7 nomi di animali");
    EXPECT_EQ(seven.chosenWords[7], "TACCOLA");
}

TEST(ChooseWords, DrawsAgainWhenANameIsAlreadyOnTheBoard) {
    Game g = SolvedBoard(5, {29, 29, 29, 1, 1, 2, 3, 4});
    EXPECT_EQ(g.solutionText, "TIGRECORVODAINODINGOFAINA");
    EXPECT_FALSE(g.rng.scripted()); // every scripted draw was used: the repeats were drawn
}

TEST(ChooseWords, SizesAreFiveSixOrSevenInRoughlyEqualShares) {
    Game g;
    FillAnimalTables(g);
    g.rng.seed(7);
    int seen[8] = {};
    for (int i = 0; i < 3000; ++i) {
        ChooseWords(g);
        ASSERT_GE(g.boardSize, 5);
        ASSERT_LE(g.boardSize, 7);
        ++seen[g.boardSize];
        std::set<std::string> rows(g.chosenWords.begin() + 1,
                                   g.chosenWords.begin() + 1 + g.boardSize);
        ASSERT_EQ(rows.size(), static_cast<size_t>(g.boardSize)) << "a name in two rows";
    }
    for (int n = 5; n <= 7; ++n) EXPECT_NEAR(seen[n], 1000, 120) << n;
}

TEST(ChooseWords, ASmallerPuzzleLeavesTheRestOfTheBoardEmptyAndOldNamesAlone) {
    Game g = NewBoard(7);
    const std::string six = g.chosenWords[6], seven = g.chosenWords[7];
    g.rng.script({SizeDraw(5)});
    NewPuzzle(g);
    ASSERT_EQ(g.boardSize, 5);
    for (int i = 25; i < 49; ++i) EXPECT_EQ(g.board[i], Letter{});
    EXPECT_EQ(g.chosenWords[6], six);
    EXPECT_EQ(g.chosenWords[7], seven);
}
