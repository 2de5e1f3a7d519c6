// Keyboard play and the screen reader's view, as every front end shares them.
#include "event_player.h"
#include "game_fixtures.h"
#include "game_invariants.h"
#include "ui/front_end.h"
#include "view/accessible_view.h"
#include "view/spoken_names.h"

#include <gtest/gtest.h>
#include <random>

using namespace pirandella;
using namespace pirandella::testing;

TEST(Keys, TheFirstKeyMarksTheFirstArrowEnterTurnsItsLineEscapeClosesThePage) {
    for (const auto& [n, first] : {std::pair{5, 1}, {6, 0}, {7, 0}}) {
        Session g = NewGame(n);
        EXPECT_EQ(KeyPress(g, Key::Enter), KeyResult::Unused) << n; // nothing marked yet
        EXPECT_EQ(KeyPress(g, Key::Down), KeyResult::MarkerMoved);
        EXPECT_EQ(g.view.marker, first) << n;
        Session expected = g;
        Turn(expected.game, Direction::ColumnDown, 1); // the first column turns down
        EXPECT_EQ(KeyPress(g, Key::Enter), KeyResult::Clicked);
        EXPECT_EQ(KeyPress(g, Key::Space), KeyResult::Clicked);
        Turn(expected.game, Direction::ColumnDown, 1);
        EXPECT_EQ(Letters(g), Letters(expected)) << n;
        EXPECT_EQ(g.game.moveCount, expected.game.moveCount);
    }
    Session g = NewGame(5);
    KeyPress(g, Key::Right);
    EXPECT_EQ(KeyPress(g, Key::Escape), KeyResult::Unused);
    ToggleInstructions(g);
    const std::string letters = Letters(g);
    EXPECT_EQ(KeyPress(g, Key::Escape), KeyResult::Clicked); // closes the page, turns nothing
    EXPECT_FALSE(WindowOf(g).page.visible);
    EXPECT_EQ(WindowOf(g).captions[2], "Istruzioni");
    ToggleInstructions(g);
    EXPECT_EQ(KeyPress(g, Key::Enter), KeyResult::Clicked);
    EXPECT_FALSE(WindowOf(g).page.visible);
    EXPECT_EQ(Letters(g), letters);
    EXPECT_EQ(KeyPress(g, Key::F10), KeyResult::OpenMenu);
}

namespace {

// A platform that keeps what the front end told it.
struct Recorder : Platform {
    std::vector<std::string> said;
    bool timer = false;
    void showCaption(Command, const std::string&) override {}
    void runTimer(bool running, int) override { timer = running; }
    void repaint() override {}
    void tellScreenReader(const std::string& announcement) override {
        if (!announcement.empty()) said.push_back(announcement);
    }
    void openMenuBar() override {}
};

} // namespace

TEST(ScreenReaderView, ListsWhatIsInSightAndTellsWhatChanged) {
    Session g = SolvedGame(5, {1, 2, 3, 4, 5});
    std::string column1; // the first letters of the five names, top to bottom
    for (int r = 1; r <= 5; ++r)
        column1 += (r > 1 ? ", " : "") + g.game.chosenWords[r].substr(0, 1);
    AccessibleWatch watch;
    std::vector<AccessibleNode> nodes = AccessibleNodes(g.game, g.view, true);
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

    KeyPress(g, Key::Down); // the marker, and the focus, on the first arrow
    AccessibleChanges changes = watch.look(AccessibleNodes(g.game, g.view, true));
    EXPECT_TRUE(changes.focusMoved);
    EXPECT_EQ(changes.focus, (ElementRef{ElementRef::Arrow, 1}));
    EXPECT_EQ(watch.look(AccessibleNodes(g.game, g.view, false)).focus.kind,
              ElementRef::None); // keys elsewhere
    watch.look(AccessibleNodes(g.game, g.view, true));
    KeyPress(g, Key::Enter); // column 1 turns down: its arrow tells what it holds now
    changes = watch.look(nodes = AccessibleNodes(g.game, g.view, true));
    EXPECT_FALSE(changes.focusMoved);
    EXPECT_EQ(nodes[1].description.substr(0, 11), "Colonna 1: ");
    EXPECT_NE(nodes[1].description, "Colonna 1: " + column1 + "; 5 al posto giusto");
    EXPECT_TRUE(changes.added.empty() && changes.removed.empty());
    for (const ElementRef& ref : changes.renamed) EXPECT_EQ(ref.kind, ElementRef::Tile);

    ToggleInstructions(g); // the page takes the focus; what it covers is gone
    changes = watch.look(nodes = AccessibleNodes(g.game, g.view, true));
    EXPECT_EQ(nodes[1].name.substr(0, 12), "ISTRUZIONI\n\n");
    EXPECT_NE(nodes[1].name.find("Da tastiera"), std::string::npos);
    EXPECT_TRUE(nodes[1].focused && changes.focusMoved);
    EXPECT_FALSE(changes.removed.empty());
    for (const AccessibleNode& n : nodes) { // what lies below the page, under its lower edge
        const bool board = n.ref.kind == ElementRef::Tile || n.ref.kind == ElementRef::Arrow;
        EXPECT_TRUE(!board || n.bounds.y + n.bounds.height / 2 >= 302) << n.name;
    }
    ToggleInstructions(g);
    changes = watch.look(AccessibleNodes(g.game, g.view, true));
    EXPECT_EQ(changes.focus, (ElementRef{ElementRef::Arrow, 1}));
    EXPECT_EQ(changes.removed.size(), 1u); // the page

    Turn(g.game, Direction::ColumnUp,
         1); // back up: solved, the arrows go, the message line takes the focus
    changes = watch.look(nodes = AccessibleNodes(g.game, g.view, true));
    EXPECT_EQ(nodes.size(), 1u + 25);
    EXPECT_EQ(changes.removed.size(), 20u);
    EXPECT_EQ(changes.focus, messageRef);
    EXPECT_EQ(nodes[0].name, "SCHEMA RISOLTO con n°2 mosse");
}

TEST(FrontEnd, ShortcutsRunTheirCommandsAndEachPlaybackSaysHowItEnded) {
    Session g = NewGame(5);
    Recorder platform;
    FrontEnd front(g, platform);
    front.reflect();
    // A click is a press and a release on the same element: a release alone (the click that
    // closed a menu) or a drag from one cell to another turns nothing.
    const ElementRef third{ElementRef::Arrow, 3}, right{ElementRef::Arrow, 10};
    const int count = g.game.moveCount;
    front.release(third);
    front.press(third);
    front.release(right);
    front.release(right);
    EXPECT_EQ(g.game.moveCount, count);
    front.press(third);
    front.release(third);
    front.release(third); // the press is used up
    EXPECT_EQ(g.game.moveCount, count + 1);
    StartUndo(g);
    while (platform.timer || g.game.replaying) front.tick();
    platform.said.clear();
    front.key(Key::Down);
    front.key(Key::Enter); // a move says its line
    ASSERT_EQ(platform.said.size(), 1u);
    EXPECT_EQ(platform.said[0], ArrowLineReport(g.game, 1));
    EXPECT_EQ(platform.said[0].substr(0, 11), "Colonna 1: ");
    EXPECT_TRUE(front.key(Key::CtrlZ)); // "Annulla mossa"
    EXPECT_TRUE(platform.timer);
    while (platform.timer) front.tick();
    ASSERT_EQ(platform.said.size(), 2u);
    EXPECT_EQ(platform.said[1], "Mossa annullata. " + ArrowLineReport(g.game, 1));
    EXPECT_EQ(g.game.moveCount, g.game.scrambleMoves);
    front.key(Key::F1);
    EXPECT_TRUE(WindowOf(g).page.visible);
    front.key(Key::F1);
    front.command(Command::ShowSolution);
    EXPECT_TRUE(front.key(Key::F2)); // refused while the solution plays
    EXPECT_EQ(platform.said.size(), 2u);
    while (platform.timer) front.tick();
    EXPECT_EQ(platform.said.back(), "Soluzione: " + g.game.chosenWords[1] + ", " +
                                        g.game.chosenWords[2] + ", " + g.game.chosenWords[3] +
                                        ", " + g.game.chosenWords[4] + ", " +
                                        g.game.chosenWords[5]);
    g.game.rng.script({SizeDraw(6)});
    front.key(Key::CtrlN);
    EXPECT_EQ(platform.said.back(), "in orizzontale posiziona 6 nomi di animali");
    EXPECT_EQ(g.game.boardSize, 6);
}

// Random streams of everything a player can do, through the shared front end, with the game's
// invariants checked after every event: here natively, under Node and under Wine alike (the fuzz
// target in tests/fuzz/ searches further from the same events).
TEST(FrontEnd, NoStreamOfEventsBreaksTheGame) {
    std::mt19937 rng(20261207);
    int solutions = 0;
    for (int round = 0; round < 20; ++round) {
        Session s = NewGame(5 + round % 3, rng());
        StubPlatform platform;
        FrontEnd front(s, platform);
        front.reflect();
        for (int i = 0; i < 1000; ++i) {
            const auto b = static_cast<std::uint8_t>(rng());
            const bool solving = s.game.replayAll;
            Play(front, platform, b);
            ASSERT_EQ(BrokenInvariant(s), "") << "round " << round << ", event " << i;
            if (solving && !s.game.replayAll) {
                ++solutions;
                ASSERT_EQ(Letters(s), s.game.solutionText) << "round " << round;
            }
        }
    }
    EXPECT_GT(solutions, 5); // the streams reach the end of the solution's playback
}
