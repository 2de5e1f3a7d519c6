#include "game_fixtures.h"
#include "ui/handlers.h"

#include <gtest/gtest.h>

using namespace pirandella;
using namespace pirandella::testing;

namespace {

Game GameOnAxes(double tppX, double tppY, int widthPx = 1920, int heightPx = 1080,
                int chromeHeight = 0) {
    Game g;
    g.screen = {tppX, tppY, widthPx * tppX, heightPx * tppY};
    SetWindowChrome(g, 0, chromeHeight); // as the window does before its first puzzle
    g.rng.script({SizeDraw(5)});         // the smallest board hides the most: scaling must not care
    NewPuzzle(g);
    return g;
}

Game GameOnScreen(double twipsPerPixel, int widthPx = 1920, int heightPx = 1080) {
    return GameOnAxes(twipsPerPixel, twipsPerPixel, widthPx, heightPx);
}

// Every element at the pixels it has at the design resolution, whatever the screen's.
void ExpectDesignPixels(const Game& g, const char* where) {
    const Game design = GameOnScreen(12);
    const TwipsScale tpp = g.screen.twipsPerPixel();
    for (int i = 0; i < 49; ++i)
        ASSERT_EQ(PixelBounds(g.window.image1[i], tpp), PixelBounds(design.window.image1[i], {}))
            << where << ": tile " << i;
    for (int i = 0; i < 29; ++i)
        ASSERT_EQ(PixelBounds(g.window.image2[i], tpp), PixelBounds(design.window.image2[i], {}))
            << where << ": Image2 " << i;
    const PixelRect label = PixelBounds(g.window.label1[0], tpp);
    EXPECT_EQ(label.x, 57) << where;
    EXPECT_EQ(label.y, 395) << where;
    EXPECT_EQ(ClientBounds(g.window.form, tpp), (PixelRect{0, 0, 407, 450})) << where;
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
    Game g = GameOnScreen(12);
    const WindowModel design = DesignWindow();
    EXPECT_EQ(g.state.scaled, 0);
    EXPECT_EQ(g.state.scaleX, 1.0);
    EXPECT_EQ(g.state.designTwipsPerPixel, 12);
    EXPECT_EQ(g.window.form.left, 0);
    EXPECT_EQ(g.window.form.width, design.form.width);
    EXPECT_EQ(g.window.image2[28].width, design.image2[28].width);
    EXPECT_EQ(g.window.label1[0].fontSize, 10.2f);
}

TEST(ScaleToScreen, AtFifteenTwipsKeepsEveryElementsDesignPixels) {
    Game g = GameOnScreen(15);
    const WindowModel design = DesignWindow();
    EXPECT_EQ(g.state.scaled, 1);
    EXPECT_EQ(g.state.scaleX, 1.25);
    EXPECT_EQ(g.state.scaleY, 1.25f);
    for (int i = 0; i < 49; ++i)
        EXPECT_EQ(g.state.cellHome[i][1], design.image1[i].left * 1.25f); // homes are scaled
    ExpectDesignPixels(g, "15 twips");
    EXPECT_EQ(g.window.label1[0].fontSize, 12); // 12.75 rounded down
    EXPECT_EQ(g.window.form.width, 6105);
    EXPECT_EQ(g.window.form.height, 6750);
    EXPECT_EQ(g.window.form.left, (1920 * 15 - 6105) / 2.0f);
    EXPECT_EQ(g.window.form.top, (1080 * 15 - 6750) / 2.0f);
}

TEST(ScaleToScreen, KeepsTheDesignPixelsAtEveryCommonResolution) {
    for (double dpi : {72.0, 100.0, 110.0, 144.0, 150.0, 168.0, 192.0}) {
        const Game g = GameOnScreen(TwipsPerPixel(dpi));
        ExpectDesignPixels(g, (std::to_string(dpi) + " dpi").c_str());
    }
    // 72 dpi: 20 twips per pixel, a factor of 5/3 held in single precision: 10.2 points become
    // 17.0 (in double precision the product stays just below 17 and rounds down to 16).
    EXPECT_EQ(GameOnScreen(20).window.label1[0].fontSize, 17);
}

TEST(ScaleToScreen, ScalesEachAxisByItsOwnFactor) {
    // Only the vertical resolution differs from the design's: the scaling must still run.
    Game g = GameOnAxes(12, 15);
    const WindowModel design = DesignWindow();
    EXPECT_EQ(g.state.scaled, 1);
    EXPECT_EQ(g.window.image1[8].left, design.image1[8].left);
    EXPECT_EQ(g.window.image1[8].top, design.image1[8].top * 1.25f);
    EXPECT_EQ(g.window.image2[28].width, design.image2[28].width);
    EXPECT_EQ(g.window.image2[28].height, design.image2[28].height * 1.25f);
    EXPECT_EQ(g.window.form.width, design.form.width);
    EXPECT_EQ(g.window.label1[0].fontSize, 12);
    ExpectDesignPixels(g, "12 x 15 twips");
    Game h = GameOnAxes(10, 12);
    EXPECT_EQ(h.state.scaled, 1);
    EXPECT_EQ(h.window.image1[8].top, design.image1[8].top);
    EXPECT_EQ(h.window.label1[0].fontSize, 10); // 10.2 x 1 rounded down
    ExpectDesignPixels(h, "10 x 12 twips");
}

TEST(ScaleToScreen, CentresTheWindowsOuterSize) {
    // A menu bar of 20 px: the outer size is 407 x 470 px, centred on a 1920 x 1080 screen.
    Game g = GameOnAxes(15, 15, 1920, 1080, 20);
    EXPECT_EQ(g.window.form.height, (5400 + 240) * 1.25f);
    EXPECT_EQ(TwipsToPixels(g.window.form.top, 15), (1080 - 470) / 2);
    EXPECT_EQ(g.window.form.left, (1920 * 15 - 6105) / 2.0f);
    ExpectDesignPixels(g, "with a menu bar");
    // A window manager then adds a 4 px frame and a 24 px title: centred again on the new size.
    SetWindowChrome(g, 8, 20 + 24 + 8);
    EXPECT_EQ(TwipsToPixels(g.window.form.width, 15), 415);
    EXPECT_EQ(TwipsToPixels(g.window.form.top, 15), (1080 - 502) / 2);
    EXPECT_EQ(g.window.form.left, (1920 * 15 - 415 * 15) / 2.0f);
    ExpectDesignPixels(g, "framed");
    // At the design resolution nothing is scaled, so the window manager places the window.
    Game h = GameOnAxes(12, 12, 1920, 1080, 20);
    SetWindowChrome(h, 8, 52);
    EXPECT_EQ(h.window.form.left, 0);
    EXPECT_EQ(h.window.form.top, 0);
    EXPECT_EQ(ClientBounds(h.window.form, {}), (PixelRect{0, 0, 407, 450}));
}

TEST(ScaleToScreen, ShrinksOnDenseScreensAndNeverRunsTwice) {
    Game g = GameOnScreen(10, 400, 300); // a window larger than the screen: negative place
    EXPECT_EQ(g.window.label1[0].fontSize, 8);
    EXPECT_LT(g.window.form.top, 0);
    const WindowModel after = g.window;
    for (int i = 0; i < 3; ++i) mnuNS_Click(g);
    EXPECT_EQ(g.window.form.width, after.form.width);
    EXPECT_EQ(g.window.image2[28].left, after.image2[28].left);
    EXPECT_EQ(g.window.image1[48].top, after.image1[48].top);
    EXPECT_EQ(g.window.label1[0].fontSize, 8);
}

TEST(NewPuzzle, SeedsOnceFromTheTimeOfDay) {
    int reads = 0;
    Game a;
    a.timeOfDay = [&reads] { return ++reads, 1234.5f; };
    NewPuzzle(a);
    mnuNS_Click(a);
    EXPECT_EQ(reads, 1);
    EXPECT_EQ(a.state.initialized, 1);
    Game b;
    b.timeOfDay = [] { return 1234.5f; };
    NewPuzzle(b);
    mnuNS_Click(b);
    EXPECT_EQ(a.state.solutionText, b.state.solutionText); // same time, same puzzles
    const float now = Game::SecondsSinceMidnight();
    EXPECT_GE(now, 0);
    EXPECT_LT(now, 86400);
    // The clock's own time of day, not the seconds since midnight in UTC, with the fraction kept.
    EXPECT_EQ(Game::SecondsOfClock(1765111323.25, 13, 2, 3), 46923.25f);
}
