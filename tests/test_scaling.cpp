#include "game_fixtures.h"

#include <gtest/gtest.h>

using namespace pirandella;
using namespace pirandella::testing;

namespace {

Midend GameOnAxes(double tppX, double tppY, int widthPx = 1920, int heightPx = 1080,
                  int chromeHeight = 0) {
    Midend g;
    g.setScreen({tppX, tppY, widthPx * tppX, heightPx * tppY});
    g.setChrome(0, chromeHeight);  // as the window says before its first puzzle
    g.random().script({SizeDraw(5)}); // the smallest board hides the most: scaling must not care
    g.start();
    return g;
}

Midend GameOnScreen(double twipsPerPixel, int widthPx = 1920, int heightPx = 1080) {
    return GameOnAxes(twipsPerPixel, twipsPerPixel, widthPx, heightPx);
}

// Every element at the pixels it has at the design resolution, whatever the screen's.
void ExpectDesignPixels(const Midend& g, const char* where) {
    const Midend design = GameOnScreen(12);
    const TwipsScale tpp = g.view().screen.twipsPerPixel();
    for (int i = 0; i < 49; ++i)
        ASSERT_EQ(PixelBounds(g.window().tiles[i], tpp),
                  PixelBounds(design.window().tiles[i], {}))
            << where << ": tile " << i;
    for (int i = 0; i < 28; ++i)
        ASSERT_EQ(PixelBounds(g.window().arrows[i], tpp),
                  PixelBounds(design.window().arrows[i], {}))
            << where << ": arrow " << i;
    ASSERT_EQ(PixelBounds(g.window().page, tpp), PixelBounds(design.window().page, {})) << where;
    const PixelRect label = PixelBounds(g.window().message, tpp);
    EXPECT_EQ(label.x, 57) << where;
    EXPECT_EQ(label.y, 395) << where;
    EXPECT_EQ(ClientBounds(g.window().outer, tpp), (PixelRect{0, 0, 407, 450})) << where;
}

} // namespace

TEST(TwipsToPixels, FollowsTheScreensResolution) {
    EXPECT_EQ(TwipsPerPixel(96), 15);
    EXPECT_EQ(TwipsPerPixel(120), 12);
    EXPECT_EQ(TwipsToPixels(1476, 12), 123);
    EXPECT_EQ(TwipsToPixels(1476 * 1.25, 15), 123);
    EXPECT_EQ(TwipsToPixels(4884, 12), 407);
    EXPECT_EQ(PixelBounds(1080, 4248, 408, 408, {12, 12}), (PixelRect{90, 354, 34, 34}));
    EXPECT_EQ(PixelBounds(1350, 5310, 510, 510, {15, 15}), (PixelRect{90, 354, 34, 34}));
    EXPECT_EQ(PixelBounds(1080, 5310, 408, 510, {12, 15}), (PixelRect{90, 354, 34, 34}));
}

TEST(ScaleToScreen, AtTheDesignResolutionChangesNothing) {
    Midend g = GameOnScreen(12);
    const WindowModel design = DesignWindow();
    EXPECT_FALSE(Scaled(g.view().screen));
    EXPECT_EQ(g.window().outer.left, 0);
    EXPECT_EQ(g.window().outer.width, design.outer.width);
    EXPECT_EQ(g.window().page.width, design.page.width);
    EXPECT_EQ(g.window().message.fontSize, 10.2f);
}

TEST(ScaleToScreen, AtFifteenTwipsKeepsEveryElementsDesignPixels) {
    Midend g = GameOnScreen(15);
    const WindowModel design = DesignWindow();
    EXPECT_TRUE(Scaled(g.view().screen));
    for (int i = 0; i < 49; ++i) EXPECT_EQ(g.window().tiles[i].left, design.tiles[i].left * 1.25f);
    ExpectDesignPixels(g, "15 twips");
    EXPECT_EQ(g.window().message.fontSize, 12); // 12.75 rounded down
    EXPECT_EQ(g.window().outer.width, 6105);
    EXPECT_EQ(g.window().outer.height, 6750);
    EXPECT_EQ(g.window().outer.left, (1920 * 15 - 6105) / 2.0f);
    EXPECT_EQ(g.window().outer.top, (1080 * 15 - 6750) / 2.0f);
}

TEST(ScaleToScreen, KeepsTheDesignPixelsAtEveryCommonResolution) {
    for (double dpi : {72.0, 100.0, 110.0, 144.0, 150.0, 168.0, 192.0}) {
        const Midend g = GameOnScreen(TwipsPerPixel(dpi));
        ExpectDesignPixels(g, (std::to_string(dpi) + " dpi").c_str());
    }
    // 72 dpi: 20 twips per pixel, a factor of 5/3 held in single precision: 10.2 points become
    // 17.0 (in double precision the product stays just below 17 and rounds down to 16).
    EXPECT_EQ(GameOnScreen(20).window().message.fontSize, 17);
}

TEST(ScaleToScreen, ScalesEachAxisByItsOwnFactor) {
    // Only the vertical resolution differs from the design's: the scaling must still run.
    Midend g = GameOnAxes(12, 15);
    const WindowModel design = DesignWindow();
    EXPECT_TRUE(Scaled(g.view().screen));
    EXPECT_EQ(g.window().tiles[8].left, design.tiles[8].left);
    EXPECT_EQ(g.window().tiles[8].top, design.tiles[8].top * 1.25f);
    EXPECT_EQ(g.window().page.width, design.page.width);
    EXPECT_EQ(g.window().page.height, design.page.height * 1.25f);
    EXPECT_EQ(g.window().outer.width, design.outer.width);
    EXPECT_EQ(g.window().message.fontSize, 12);
    ExpectDesignPixels(g, "12 x 15 twips");
    Midend h = GameOnAxes(10, 12);
    EXPECT_TRUE(Scaled(h.view().screen));
    EXPECT_EQ(h.window().tiles[8].top, design.tiles[8].top);
    EXPECT_EQ(h.window().message.fontSize, 10); // 10.2 x 1 rounded down
    ExpectDesignPixels(h, "10 x 12 twips");
}

TEST(ScaleToScreen, CentresTheWindowsOuterSize) {
    // A menu bar of 20 px: the outer size is 407 x 470 px, centred on a 1920 x 1080 screen.
    Midend g = GameOnAxes(15, 15, 1920, 1080, 20);
    EXPECT_EQ(g.window().outer.height, (5400 + 240) * 1.25f);
    EXPECT_EQ(TwipsToPixels(g.window().outer.top, 15), (1080 - 470) / 2);
    EXPECT_EQ(g.window().outer.left, (1920 * 15 - 6105) / 2.0f);
    ExpectDesignPixels(g, "with a menu bar");
    // A window manager then adds a 4 px frame and a 24 px title: centred again on the new size.
    g.setChrome(8, 20 + 24 + 8);
    EXPECT_EQ(TwipsToPixels(g.window().outer.width, 15), 415);
    EXPECT_EQ(TwipsToPixels(g.window().outer.top, 15), (1080 - 502) / 2);
    EXPECT_EQ(g.window().outer.left, (1920 * 15 - 415 * 15) / 2.0f);
    ExpectDesignPixels(g, "framed");
    // At the design resolution nothing is scaled, so the window manager places the window.
    Midend h = GameOnAxes(12, 12, 1920, 1080, 20);
    h.setChrome(8, 52);
    EXPECT_EQ(h.window().outer.left, 0);
    EXPECT_EQ(h.window().outer.top, 0);
    EXPECT_EQ(ClientBounds(h.window().outer, {}), (PixelRect{0, 0, 407, 450}));
}

TEST(ScaleToScreen, ShrinksOnDenseScreensAndNeverRunsTwice) {
    Midend g = GameOnScreen(10, 400, 300); // a window larger than the screen: negative place
    EXPECT_EQ(g.window().message.fontSize, 8);
    EXPECT_LT(g.window().outer.top, 0);
    const WindowModel after = g.window();
    for (int i = 0; i < 3; ++i) g.command(Command::NewPuzzle);
    EXPECT_EQ(g.window().outer.width, after.outer.width);
    EXPECT_EQ(g.window().page.left, after.page.left);
    EXPECT_EQ(g.window().tiles[48].top, after.tiles[48].top);
    EXPECT_EQ(g.window().message.fontSize, 8);
}

TEST(NewPuzzle, SeedsOnceFromTheTimeOfDay) {
    int reads = 0;
    Game first, second;
    first.timeOfDay = [&reads] { return ++reads, 1234.5f; };
    second.timeOfDay = [] { return 1234.5f; };
    Midend a(first), b(second);
    for (Midend* m : {&a, &b}) {
        m->start();
        m->command(Command::NewPuzzle);
    }
    EXPECT_EQ(reads, 1);
    EXPECT_TRUE(a.game().initialized);
    EXPECT_EQ(a.game().solutionText, b.game().solutionText); // same time, same puzzles
    const float now = Game::SecondsSinceMidnight();
    EXPECT_GE(now, 0);
    EXPECT_LT(now, 86400);
    // The clock's own time of day, not the seconds since midnight in UTC, with the fraction kept.
    EXPECT_EQ(Game::SecondsOfClock(1765111323.25, 13, 2, 3), 46923.25f);
}
