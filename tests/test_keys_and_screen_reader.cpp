// Keyboard play and the screen reader's view, as every front end shares them.
#include "game_fixtures.h"
#include "ui/handlers.h"
#include "ui/keyboard.h"
#include "view/accessible_view.h"

#include <gtest/gtest.h>

using namespace pirandella;
using namespace pirandella::testing;

TEST(Keys, TheFirstKeyMarksTheFirstArrowEnterTurnsItsLineEscapeClosesThePage) {
    for (const auto& [n, first] : {std::pair{5, 1}, {6, 0}, {7, 0}}) {
        Game g = NewGame(n);
        EXPECT_EQ(KeyPress(g, Key::Enter), KeyResult::Unused) << n; // nothing marked yet
        EXPECT_EQ(KeyPress(g, Key::Down), KeyResult::MarkerMoved);
        EXPECT_EQ(g.marker, first) << n;
        Game expected = g;
        Move(expected, 1, 1); // the first column turns down
        EXPECT_EQ(KeyPress(g, Key::Enter), KeyResult::Clicked);
        EXPECT_EQ(KeyPress(g, Key::Space), KeyResult::Clicked);
        Move(expected, 1, 1);
        EXPECT_EQ(Letters(g), Letters(expected)) << n;
        EXPECT_EQ(g.state.moveCount, expected.state.moveCount);
    }
    Game g = NewGame(5);
    KeyPress(g, Key::Right);
    EXPECT_EQ(KeyPress(g, Key::Escape), KeyResult::Unused);
    mnuIstruzioni_Click(g);
    const std::string letters = Letters(g);
    EXPECT_EQ(KeyPress(g, Key::Escape), KeyResult::Clicked); // closes the page, turns nothing
    EXPECT_FALSE(g.window.image2[WindowModel::instructions].visible);
    EXPECT_EQ(g.window.menu[mnuIstruzioni].caption, "Istruzioni");
    mnuIstruzioni_Click(g);
    EXPECT_EQ(KeyPress(g, Key::Enter), KeyResult::Clicked);
    EXPECT_FALSE(g.window.image2[WindowModel::instructions].visible);
    EXPECT_EQ(Letters(g), letters);
    EXPECT_EQ(KeyPress(g, Key::F10), KeyResult::OpenMenu);
}

TEST(ScreenReaderView, ListsWhatIsShownAndTellsWhatChanged) {
    Game g = NewGame(5);
    AccessibleWatch watch;
    std::vector<AccessibleNode> nodes = AccessibleNodes(g, true);
    watch.look(nodes);
    ASSERT_EQ(nodes.size(), 1u + 20 + 25); // the message line, the arrows, the tiles
    EXPECT_EQ(nodes[0].name, "in orizzontale posiziona 5 nomi di animali");
    EXPECT_EQ(nodes[1].name, "Colonna 1, ruota in giù");
    EXPECT_EQ(nodes[1].role, AccessibleRole::Button);
    EXPECT_TRUE(nodes[1].pressable);
    EXPECT_EQ(nodes[21].role, AccessibleRole::Cell);
    EXPECT_EQ(nodes[21].bounds, (PixelRect{123, 156, 34, 34})); // tile 8, the board's first

    KeyPress(g, Key::Right); // the marker takes the focus
    AccessibleChanges changes = watch.look(AccessibleNodes(g, true));
    EXPECT_EQ(changes.focus, (ElementRef{ElementRef::Image2, 1}));
    EXPECT_FALSE(changes.reordered);
    KeyPress(g, Key::Enter); // column 1 turns: its five tiles are renamed, nothing else
    changes = watch.look(AccessibleNodes(g, true));
    EXPECT_EQ(changes.focus.kind, ElementRef::None);
    EXPECT_LE(changes.renamed.size(), 5u);
    for (const ElementRef& ref : changes.renamed) EXPECT_EQ(ref.kind, ElementRef::Image1);
    EXPECT_GE(changes.renamed.size(), 2u);

    mnuIstruzioni_Click(g); // the page comes, with its text
    changes = watch.look(nodes = AccessibleNodes(g, true));
    EXPECT_TRUE(changes.reordered);
    EXPECT_EQ(nodes[1].name, "Istruzioni");
    EXPECT_EQ(nodes[1].description.substr(0, 12), "ISTRUZIONI\n\n");
    mnuIstruzioni_Click(g);
    mnuSoluzione_Click(g);
    while (g.window.timer1.enabled) Timer1_Timer(g);
    changes = watch.look(nodes = AccessibleNodes(g, true));
    EXPECT_TRUE(changes.reordered);
    EXPECT_EQ(nodes.size(), 1u + 25); // the arrows are gone, and the focus with them
    for (const AccessibleNode& n : nodes) EXPECT_FALSE(n.focused);
}
