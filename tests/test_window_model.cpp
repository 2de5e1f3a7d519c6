#include "view/window/window_model.h"

#include <gtest/gtest.h>

using namespace pirandella;

TEST(DesignWindow, PlacesEveryElementAsDesigned) {
    const WindowModel w = DesignWindow();
    EXPECT_EQ(w.outer.title, "pirandella");
    EXPECT_EQ(w.outer.width, 4884);
    EXPECT_EQ(w.outer.height, 5400);
    for (int i = 0; i < 49; ++i) {
        const Square& tile = w.tiles[i];
        EXPECT_EQ(PixelBounds(tile, {12, 12}),
                  (PixelRect{90 + 33 * (i % 7), 123 + 33 * (i / 7), 34, 34}));
        EXPECT_TRUE(tile.visible);
        EXPECT_TRUE(tile.framed);
        EXPECT_EQ(tile.pointer, Pointer::Default);
    }
    for (int k = 0; k < 7; ++k) {
        EXPECT_EQ(PixelBounds(w.arrows[k], {12, 12}), (PixelRect{90 + 33 * k, 90, 34, 34}));
        EXPECT_EQ(PixelBounds(w.arrows[7 + k], {12, 12}), (PixelRect{321, 123 + 33 * k, 34, 34}));
        EXPECT_EQ(PixelBounds(w.arrows[14 + k], {12, 12}), (PixelRect{57, 123 + 33 * k, 34, 34}));
        EXPECT_EQ(PixelBounds(w.arrows[21 + k], {12, 12}), (PixelRect{90 + 33 * k, 354, 34, 34}));
        EXPECT_EQ(w.arrows[k].pointer, Pointer::ArrowDown);
        EXPECT_EQ(w.arrows[7 + k].pointer, Pointer::ArrowLeft);
        EXPECT_EQ(w.arrows[14 + k].pointer, Pointer::ArrowRight);
        EXPECT_EQ(w.arrows[21 + k].pointer, Pointer::ArrowUp);
    }
    for (int i = 0; i < 28; ++i) {
        EXPECT_TRUE(w.arrows[i].visible);
        EXPECT_EQ(w.arrows[i].picture.kind, Picture::None);
    }
    const Square& page = w.page;
    EXPECT_EQ(PixelBounds(page, {12, 12}), (PixelRect{55, 0, 302, 302}));
    EXPECT_FALSE(page.visible);
    EXPECT_EQ(page.picture.kind, Picture::Instructions);
    const MessageLine& line = w.message;
    EXPECT_EQ(line.left, 684);
    EXPECT_EQ(line.top, 4740);
    EXPECT_EQ(line.fontSize, 10.2f);
    const std::vector<std::string> captions{"Soluzione", "Nuovo schema", "Istruzioni",
                                            "Annulla mossa"};
    for (int id = 0; id < 4; ++id) EXPECT_EQ(w.captions[id], captions[id]);
}

TEST(StackingOrder, RunsFromTheInstructionsToTheFirstArrow) {
    const auto& order = StackingOrder();
    ASSERT_EQ(order.size(), 79u);
    EXPECT_EQ(order[0], pageRef);
    EXPECT_EQ(order[1], messageRef);
    EXPECT_EQ(order[2], TileRef(48));
    EXPECT_EQ(order[50], TileRef(0));
    EXPECT_EQ(order[51], ArrowRef(27));
    EXPECT_EQ(order[78], ArrowRef(0));
}

TEST(HitTest, FindsTheFrontmostVisibleElement) {
    WindowModel w = DesignWindow();
    // Arrow 0 spans rows 90..123 and tile 0 rows 123..156: row 123 is shared, and tiles are in
    // front of arrows.
    EXPECT_EQ(HitTest(w, 100, 122, {12, 12}), ArrowRef(0));
    EXPECT_EQ(HitTest(w, 100, 123, {12, 12}), TileRef(0));
    // Neighbouring tiles share a column: the higher index is in front.
    EXPECT_EQ(HitTest(w, 123, 130, {12, 12}), TileRef(1));
    EXPECT_EQ(HitTest(w, 10, 10, {12, 12}), ElementRef{});
    w.arrows[0].visible = false; // a hidden arrow takes no click
    EXPECT_EQ(HitTest(w, 100, 100, {12, 12}), ElementRef{});
    w.page.visible = true; // the shown page covers arrows and the upper tiles
    EXPECT_EQ(HitTest(w, 100, 100, {12, 12}), pageRef);
    EXPECT_EQ(HitTest(w, 330, 130, {12, 12}), pageRef);
    EXPECT_EQ(HitTest(w, 330, 330, {12, 12}), ArrowRef(13));
    EXPECT_EQ(HitTest(w, 60, 301, {12, 12}),
              pageRef); // page's last row
    EXPECT_EQ(HitTest(w, 60, 302, {12, 12}), ArrowRef(19)); // below the page
    w.message.width = 3000;
    EXPECT_EQ(HitTest(w, 60, 400, {12, 12}), messageRef);
}
