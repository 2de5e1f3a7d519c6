// Long random streams of everything a player can do, through the real window, with the game's
// invariants checked after every event. PIRANDELLA_FUZZ_EVENTS and PIRANDELLA_FUZZ_SEED set the
// length and the seed; a failure names both and the event, so it can be replayed.
#include "game_fixtures.h"
#include "game_invariants.h"
#include "qt/main_window.h"

#include <QAction>
#include <QTest>
#include <gtest/gtest.h>
#include <random>

using namespace pirandella;
using namespace pirandella::testing;

namespace {

long long EnvNumber(const char* name, long long fallback) {
    bool ok = false;
    const long long value = qEnvironmentVariable(name).toLongLong(&ok);
    return ok ? value : fallback;
}

class Player {
  public:
    Player(MainWindow& w, unsigned seed) : w_(w), rng_(seed) {}

    // One event; returns what it was, for the failure message. In a marathon the player neither
    // gives up nor asks for the solution, so the game's history grows past a thousand moves.
    std::string act(bool marathon) {
        const int roll = pick(100);
        if (roll < 30 && w_.timer().isActive()) { // the timer only ticks while it runs
            w_.midend().tick();
            return "tick";
        }
        if (roll < 60) {
            const int index = pick(29); // the 28 arrow cells and the page
            w_.midend().click(index == 28 ? pageRef : ArrowRef(index));
            return "click on element " + std::to_string(index);
        }
        if (roll < 80) {
            const QPoint p(pick(407), pick(450));
            QTest::mouseClick(w_.board(), Qt::LeftButton, {}, p);
            return "click at " + std::to_string(p.x()) + "," + std::to_string(p.y());
        }
        if (roll < 88) { // the keyboard: the marker round the ring, Enter, Space, Escape
            static const Qt::Key keys[] = {Qt::Key_Left,  Qt::Key_Right,  Qt::Key_Up,
                                           Qt::Key_Down,  Qt::Key_Return, Qt::Key_Space,
                                           Qt::Key_Escape};
            const Qt::Key key = keys[pick(7)];
            QTest::keyClick(w_.board(), key);
            return "key " + std::to_string(key);
        }
        static const int weights[4] = {2, 2, 3, 5}; // Soluzione, Nuovo schema, Istruzioni, Annulla
        int menu = marathon ? 4 + pick(8) : pick(12);
        int id = 0;
        while (menu >= weights[id]) menu -= weights[id++];
        w_.menuAction(static_cast<Command>(id))->trigger();
        return "menu " + CommandCaptions()[id][0];
    }

  private:
    int pick(int m) { return std::uniform_int_distribution<int>(0, m - 1)(rng_); }
    MainWindow& w_;
    std::mt19937 rng_;
};

} // namespace

TEST(EventFuzz, NoEventSequenceBreaksTheGame) {
    const long long events = EnvNumber("PIRANDELLA_FUZZ_EVENTS", 100000);
    const auto seed = static_cast<unsigned>(EnvNumber("PIRANDELLA_FUZZ_SEED", 20261207));
    Game game;
    game.timeOfDay = [seed] { return static_cast<float>(seed % 86400); };
    MainWindow w(std::move(game));
    const Midend& g = w.midend();
    Player player(w, seed);
    long long solutions = 0, sizes[8] = {};
    int longest = 0;
    for (long long i = 0; i < events; ++i) {
        const bool solving = g.playback().replayAll;
        const int puzzle = g.game().boardSize;
        const std::string event = player.act(i % 100000 < 8000);
        const std::string broken = BrokenInvariant(g);
        ASSERT_EQ(broken, "") << "seed " << seed << ", event " << i << " (" << event << ")";
        if (solving && !g.playback().replayAll) {
            ++solutions;
            ASSERT_EQ(Letters(g), g.game().solutionText)
                << "seed " << seed << ", event " << i
                << ": solution playback ended off the solution";
        }
        if (puzzle != g.game().boardSize || i == 0) ++sizes[g.game().boardSize];
        longest = std::max(longest, g.game().moveCount);
        if (i % 5000 == 0) w.board()->repaint(); // paint now and then, as a player would see it
    }
    if (events >= 100000) { // long enough to have met every kind of puzzle and its end
        EXPECT_GT(solutions, 10);
        EXPECT_GT(sizes[5] * sizes[6] * sizes[7], 0);
        EXPECT_GT(longest, 1001); // past the history's first thousand entries
    }
}
