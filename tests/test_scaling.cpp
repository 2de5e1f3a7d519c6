#include "game_fixtures.h"
#include "ui/handlers.h"

#include <gtest/gtest.h>

using namespace pirandella;
using namespace pirandella::testing;

namespace {

Game GameOnScreen(double twipsPerPixel, int widthPx = 1920, int heightPx = 1080) {
    Game g;
    g.screen = {twipsPerPixel, twipsPerPixel, widthPx * twipsPerPixel, heightPx * twipsPerPixel};
    g.rng.script({SizeDraw(5)}); // the smallest board hides the most: scaling must not care
    NewPuzzle(g);
    return g;
}

} // namespace

TEST(TwipsToPixels, FollowsTheScreensResolution) {
    EXPECT_EQ(TwipsPerPixel(96), 15);
    EXPECT_EQ(TwipsPerPixel(120), 12);
    EXPECT_EQ(TwipsToPixels(1476, 12), 123);
    EXPECT_EQ(TwipsToPixels(1476 * 1.25, 15), 123);
    EXPECT_EQ(TwipsToPixels(4884, 12), 407);
    EXPECT_EQ(PixelBounds(1080, 4248, 408, 408, 12), (PixelRect{90, 354, 34, 34}));
    EXPECT_EQ(PixelBounds(1350, 5310, 510, 510, 15), (PixelRect{90, 354, 34, 34}));
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
    for (int i = 0; i < 49; ++i) {
        EXPECT_EQ(g.state.cellHome[i][1], design.image1[i].left * 1.25f); // homes are scaled
        EXPECT_EQ(PixelBounds(g.window.image1[i], 15), PixelBounds(design.image1[i], 12)) << i;
    }
    EXPECT_EQ(PixelBounds(g.window.image2[28], 15), (PixelRect{55, 0, 302, 302}));
    EXPECT_EQ(PixelBounds(g.window.label1[0], 15).y, 395);
    EXPECT_EQ(g.window.label1[0].fontSize, 12); // 12.75 rounded down
    EXPECT_EQ(g.window.form.width, 6105);
    EXPECT_EQ(g.window.form.height, 6750);
    EXPECT_EQ(g.window.form.left, (1920 * 15 - 6105) / 2.0f);
    EXPECT_EQ(g.window.form.top, (1080 * 15 - 6750) / 2.0f);
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
}
