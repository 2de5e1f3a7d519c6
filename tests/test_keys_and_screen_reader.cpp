// Keyboard play and the screen reader's view, as every front end shares them.
#include "event_player.h"
#include "game_fixtures.h"
#include "game_invariants.h"
#include "view/access/spoken_names.h"

#include <gtest/gtest.h>
#include <random>

using namespace pirandella;
using namespace pirandella::testing;

// A platform that keeps what the midend told it.
struct Recorder : Platform {
    std::vector<std::string> said;
    int clock = 0;
    int menuBarOpened = 0;
    void showCaption(Command, const std::string&) override {}
    void runClock(int intervalMs) override { clock = intervalMs; }
    void repaint() override {}
    void tellScreenReader(const std::string& announcement) override {
        if (!announcement.empty()) said.push_back(announcement);
    }
    void openMenuBar() override { ++menuBarOpened; }
};

TEST(Keys, TheFirstKeyMarksTheFirstArrowEnterTurnsItsLineEscapeClosesThePage) {
    for (const auto& [n, first] : {std::pair{5, 1}, {6, 0}, {7, 0}}) {
        Midend g = NewGame(n);
        EXPECT_FALSE(g.key(Key::Enter)) << n; // nothing marked yet
        EXPECT_TRUE(g.key(Key::Down));
        EXPECT_EQ(g.view().marker, first) << n;
        Game expected = g.game();
        Turn(expected, Direction::ColumnDown, 1); // the first column turns down
        EXPECT_TRUE(g.key(Key::Enter));
        EXPECT_TRUE(g.key(Key::Space));
        Turn(expected, Direction::ColumnDown, 1);
        EXPECT_EQ(Letters(g), Letters(expected)) << n;
        EXPECT_EQ(g.game().moveCount, expected.moveCount);
    }
    Midend g = NewGame(5);
    Recorder platform;
    g.setPlatform(platform);
    g.key(Key::Right);
    EXPECT_FALSE(g.key(Key::Escape));
    g.command(Command::Instructions);
    const std::string letters = Letters(g);
    EXPECT_TRUE(g.key(Key::Escape)); // closes the page, turns nothing
    EXPECT_FALSE(g.window().page.visible);
    EXPECT_EQ(g.window().captions[2], "Istruzioni");
    g.command(Command::Instructions);
    EXPECT_TRUE(g.key(Key::Enter));
    EXPECT_FALSE(g.window().page.visible);
    EXPECT_EQ(Letters(g), letters);
    EXPECT_TRUE(g.key(Key::F10));
    EXPECT_EQ(platform.menuBarOpened, 1);
}

TEST(ScreenReaderView, ListsWhatIsInSightAndTellsWhatChanged) {
    Midend g = SolvedGame(5, {1, 2, 3, 4, 5});
    std::string column1; // the first letters of the five names, top to bottom
    for (int r = 1; r <= 5; ++r)
        column1 += (r > 1 ? ", " : "") + g.game().chosenWords[r].substr(0, 1);
    AccessibleWatch watch;
    std::vector<AccessibleNode> nodes = g.accessibleNodes(true);
    watch.look(nodes);
    ASSERT_EQ(nodes.size(), 1u + 20 + 25); // the message line, the arrows, the tiles
    EXPECT_EQ(nodes[0].ref, messageRef);
    EXPECT_EQ(nodes[1].name, "Colonna 1, ruota in giù");
    EXPECT_EQ(nodes[1].description, "Colonna 1: " + column1 + "; 5 al posto giusto");
    EXPECT_EQ(nodes[1].role, AccessibleRole::Button);
    EXPECT_TRUE(nodes[1].pressable && nodes[1].focusable);
    EXPECT_EQ(nodes[21].role, AccessibleRole::Cell);
    EXPECT_EQ(nodes[21].bounds, (PixelRect{123, 156, 34, 34})); // tile 8, the board's first
    EXPECT_TRUE(nodes[21].description.empty());
    for (const AccessibleNode& n : nodes) EXPECT_FALSE(n.focused); // the board has the focus

    g.key(Key::Down); // the marker, and the focus, on the first arrow
    AccessibleChanges changes = watch.look(g.accessibleNodes(true));
    EXPECT_TRUE(changes.focusMoved);
    EXPECT_EQ(changes.focus, ArrowRef(1));
    EXPECT_EQ(watch.look(g.accessibleNodes(false)).focus.kind,
              ElementRef::None); // keys elsewhere
    watch.look(g.accessibleNodes(true));
    g.key(Key::Enter); // column 1 turns down: its arrow tells what it holds now
    changes = watch.look(nodes = g.accessibleNodes(true));
    EXPECT_FALSE(changes.focusMoved);
    EXPECT_EQ(nodes[1].description.substr(0, 11), "Colonna 1: ");
    EXPECT_NE(nodes[1].description, "Colonna 1: " + column1 + "; 5 al posto giusto");
    EXPECT_TRUE(changes.added.empty() && changes.removed.empty());
    for (const ElementRef& ref : changes.renamed) EXPECT_EQ(ref.kind, ElementRef::Tile);

    g.command(Command::Instructions); // the page takes the focus; what it covers is gone
    changes = watch.look(nodes = g.accessibleNodes(true));
    EXPECT_EQ(nodes[1].name.substr(0, 12), "ISTRUZIONI\n\n");
    EXPECT_NE(nodes[1].name.find("Da tastiera"), std::string::npos);
    EXPECT_TRUE(nodes[1].focused && changes.focusMoved);
    EXPECT_FALSE(changes.removed.empty());
    for (const AccessibleNode& n : nodes) { // what lies below the page, under its lower edge
        const bool board = n.ref.kind == ElementRef::Tile || n.ref.kind == ElementRef::Arrow;
        EXPECT_TRUE(!board || n.bounds.y + n.bounds.height / 2 >= 302) << n.name;
    }
    g.command(Command::Instructions);
    changes = watch.look(g.accessibleNodes(true));
    EXPECT_EQ(changes.focus, ArrowRef(1));
    EXPECT_EQ(changes.removed.size(), 1u); // the page

    Turn(g, Direction::ColumnUp, 1); // back up: solved, the arrows go, the message line takes the focus
    changes = watch.look(nodes = g.accessibleNodes(true));
    EXPECT_EQ(nodes.size(), 1u + 25);
    EXPECT_EQ(changes.removed.size(), 20u);
    EXPECT_EQ(changes.focus, messageRef);
    EXPECT_EQ(nodes[0].name, "SCHEMA RISOLTO con n°2 mosse");
}

TEST(Midend, ShortcutsRunTheirCommandsAndEachPlaybackSaysHowItEnded) {
    Midend g = NewGame(5);
    Recorder platform;
    g.setPlatform(platform);
    Midend& front = g;
    // A click is a press and a release on the same element: a release alone (the click that
    // closed a menu) or a drag from one cell to another turns nothing.
    const ElementRef third = ArrowRef(3), right = ArrowRef(10);
    const int count = g.game().moveCount;
    front.release(third);
    front.press(third);
    front.release(right);
    front.release(right);
    EXPECT_EQ(g.game().moveCount, count);
    front.press(third);
    front.release(third);
    front.release(third); // the press is used up
    EXPECT_EQ(g.game().moveCount, count + 1);
    g.command(Command::UndoMove);
    EXPECT_EQ(platform.clock, 120); // one recorded move every 120 ms
    while (platform.clock) front.tick();
    platform.said.clear();
    front.key(Key::Down);
    front.key(Key::Enter); // a move says its line
    ASSERT_EQ(platform.said.size(), 1u);
    EXPECT_EQ(platform.said[0], ArrowLineReport(g.game(), 1));
    EXPECT_EQ(platform.said[0].substr(0, 11), "Colonna 1: ");
    EXPECT_TRUE(front.key(Key::CtrlZ)); // "Annulla mossa"
    EXPECT_EQ(platform.clock, 120);
    while (platform.clock) front.tick();
    ASSERT_EQ(platform.said.size(), 2u);
    EXPECT_EQ(platform.said[1], "Mossa annullata. " + ArrowLineReport(g.game(), 1));
    EXPECT_EQ(g.game().moveCount, g.game().scrambleMoves);
    front.key(Key::F1);
    EXPECT_TRUE(g.window().page.visible);
    front.key(Key::F1);
    front.command(Command::ShowSolution);
    EXPECT_TRUE(front.key(Key::F2)); // refused while the solution plays
    EXPECT_EQ(platform.said.size(), 2u);
    while (platform.clock) front.tick();
    const auto& words = g.game().chosenWords;
    EXPECT_EQ(platform.said.back(), "Soluzione: " + words[1] + ", " + words[2] + ", " + words[3] +
                                        ", " + words[4] + ", " + words[5]);
    g.random().script({SizeDraw(6)});
    front.key(Key::CtrlN);
    EXPECT_EQ(platform.said.back(), "in orizzontale posiziona 6 nomi di animali");
    EXPECT_EQ(g.game().boardSize, 6);
}

// Random streams of everything a player can do, through the shared front end, with the game's
// invariants checked after every event: here natively, under Node and under Wine alike (the fuzz
// target in tests/fuzz/ searches further from the same events).
TEST(Midend, NoStreamOfEventsBreaksTheGame) {
    std::mt19937 rng(20261207);
    int solutions = 0;
    for (int round = 0; round < 20; ++round) {
        Midend s = NewGame(5 + round % 3, rng());
        StubPlatform platform;
        s.setPlatform(platform);
        for (int i = 0; i < 1000; ++i) {
            const auto b = static_cast<std::uint8_t>(rng());
            const bool solving = s.playback().replayAll;
            Play(s, platform, b);
            ASSERT_EQ(BrokenInvariant(s, &platform), "") << "round " << round << ", event " << i;
            if (solving && !s.playback().replayAll) {
                ++solutions;
                ASSERT_EQ(Letters(s), s.game().solutionText) << "round " << round;
            }
        }
    }
    EXPECT_GT(solutions, 5); // the streams reach the end of the solution's playback
}

// The words for each side's arrow cells and for a tile off the diagonal, exactly, on the 5 x 5
// board CORVO TIGRE DAINO GATTO LEONE, whose cells start one in from the grid's edge.
TEST(SpokenNames, NameEachSideAndEachTileByItsOwnLineAndPlace) {
    const Game g = SolvedBoard(5, {1, 29, 2, 6, 11});
    EXPECT_EQ(ArrowName(5, 3), "Colonna 3, ruota in giù");
    EXPECT_EQ(ArrowName(5, 9), "Riga 2, ruota a sinistra");
    EXPECT_EQ(ArrowName(5, 18), "Riga 4, ruota a destra");
    EXPECT_EQ(ArrowName(5, 26), "Colonna 5, ruota in su");
    EXPECT_EQ(ArrowName(7, 0), "Colonna 1, ruota in giù"); // no cell is left out on a 7 x 7 board
    EXPECT_EQ(ArrowLineReport(g, 9), "Riga 2: T, I, G, R, E; 5 al posto giusto");
    EXPECT_EQ(ArrowLineReport(g, 26), "Colonna 5: O, E, O, O, E; 5 al posto giusto");
    EXPECT_EQ(TileName(g, 18), "Riga 2, colonna 4: R, al posto giusto");
    EXPECT_EQ(TileName(g, 0), ""); // a tile the 5 x 5 board does not use
    Game turned = g;
    Turn(turned, Direction::RowRight, 2); // ETIGR
    EXPECT_EQ(TileName(turned, 18), "Riga 2, colonna 4: G");
    EXPECT_EQ(ArrowLineReport(turned, 16), "Riga 2: E, T, I, G, R; 0 al posto giusto");
    EXPECT_EQ(ArrowLineReport(g, 14), ""); // a cell the board does not use reads nothing
}
