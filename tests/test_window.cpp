#include "game_fixtures.h"
#include "qt/main_window.h"

#include <QAction>
#include <QMenuBar>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace pirandella;
using namespace pirandella::testing;

namespace {

Game GameOfSize(int n) {
    Game g;
    g.screen = MeasureScreen();
    g.timeOfDay = [] { return 500.0f; };
    g.rng.script({SizeDraw(n)});
    return g;
}

QPoint CentreOf(MainWindow& w, const ImageElement& e) {
    const PixelRect r = PixelBounds(e, w.board()->twipsPerPixel());
    return {r.x + r.width / 2, r.y + r.height / 2};
}

void ClickAt(MainWindow& w, QPoint p) {
    QTest::mouseClick(w.board(), Qt::LeftButton, {}, p);
}

void ClickArrow(MainWindow& w, int index) {
    ClickAt(w, CentreOf(w, w.game().window.image2[index]));
}

// What the screen shows at a pixel of the client area.
QColor ScreenPixel(MainWindow& w, QPoint p) {
    const QPoint global = w.board()->mapToGlobal(p);
    const QImage shot = w.screen()->grabWindow(0, global.x(), global.y(), 1, 1).toImage();
    return shot.pixelColor(0, 0);
}

} // namespace

TEST(Pictures, AreBuiltIntoTheProgram) {
    Pictures pictures;
    EXPECT_EQ(pictures.background().size(), QSize(410, 456));
    EXPECT_EQ(pictures.picture({PictureList::Instructions, 0}).size(), QSize(300, 300));
    for (PictureList list : {PictureList::ImageList2, PictureList::ImageList3})
        for (int item = 1; item <= 26; ++item)
            EXPECT_EQ(pictures.picture({list, item}).deviceIndependentSize(), QSizeF(32, 32));
    EXPECT_TRUE(pictures.picture({PictureList::ImageList2, 27}).isNull());
    EXPECT_EQ(pictures.cursor(Pointer::ArrowDown).pixmap().size(), QSize(16, 16));
    EXPECT_EQ(pictures.cursor(Pointer::ArrowUp).hotSpot(), QPoint(7, 1));
    EXPECT_EQ(pictures.font("Times New Roman", 10).family(), "Liberation Serif");
    // A red tile is transparent in its corner, a white one opaque white.
    const QImage red = pictures.picture({PictureList::ImageList2, 1}).toImage();
    const QImage white = pictures.picture({PictureList::ImageList3, 1}).toImage();
    EXPECT_EQ(red.pixelColor(0, 0).alpha(), 0);
    EXPECT_EQ(white.pixelColor(0, 0), QColor(Qt::white));
    EXPECT_EQ(white.pixelColor(31, 10), QColor(161, 161, 161));
}

TEST(MainWindow, OpensAsDesigned) {
    MainWindow w(GameOfSize(7));
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    EXPECT_EQ(w.windowTitle(), "pirandella");
    EXPECT_EQ(w.board()->size(), QSize(407, 450));
    QStringList captions;
    for (QAction* a : w.menuBar()->actions()) captions << a->text();
    EXPECT_EQ(captions, QStringList({"Soluzione", "Nuovo schema", "Istruzioni", "Annulla mossa"}));
    EXPECT_FALSE(w.game().window.image2[28].visible);
    EXPECT_FALSE(w.timer().isActive());
    EXPECT_EQ(w.timer().interval(), 120);
    EXPECT_EQ(w.windowIcon().availableSizes(),
              QList<QSize>({{16, 16}, {32, 32}, {48, 48}, {64, 64}, {128, 128}, {256, 256}}));
    EXPECT_EQ(w.game().state.moveCount, 40); // the puzzle was set up before the window showed
}

TEST(MainWindow, ArrowClicksTurnTheirLineForEverySize) {
    const struct {
        int n, index, dir, line;
    } cases[] = {{7, 10, 4, 4}, {5, 3, 1, 3}, {5, 22, 2, 1}, {6, 19, 3, 6}};
    for (const auto& c : cases) {
        MainWindow w(GameOfSize(c.n));
        w.show();
        Game& g = w.game();
        Game expected = g;
        Move(expected, c.dir, c.line);
        ClickArrow(w, c.index);
        EXPECT_EQ(Letters(g), Letters(expected)) << c.n << " " << c.index;
        EXPECT_EQ(g.state.moveHistory[g.state.moveCount], 10 * c.dir + c.line);
    }
}

TEST(MainWindow, ClicksReachOnlyTheFrontmostVisibleElement) {
    MainWindow w(GameOfSize(5));
    w.show();
    Game& g = w.game();
    const int count = g.state.moveCount;
    ClickAt(w, CentreOf(w, g.window.image1[24])); // a tile
    ClickAt(w, CentreOf(w, g.window.image2[0]));  // a hidden arrow
    ClickAt(w, {70, 400});                        // the label
    EXPECT_EQ(g.state.moveCount, count);
    w.menuAction(mnuIstruzioni)->trigger();
    EXPECT_EQ(w.menuAction(mnuIstruzioni)->text(), "Esci da Istruzioni");
    ClickArrow(w, 2); // covered by the page: the page takes the click and closes
    EXPECT_EQ(g.state.moveCount, count);
    EXPECT_FALSE(g.window.image2[28].visible);
    EXPECT_EQ(w.menuAction(mnuIstruzioni)->text(), "Istruzioni");
    // A press on one arrow released on another is no click.
    QTest::mousePress(w.board(), Qt::LeftButton, {}, CentreOf(w, g.window.image2[1]));
    QTest::mouseRelease(w.board(), Qt::LeftButton, {}, CentreOf(w, g.window.image2[2]));
    EXPECT_EQ(g.state.moveCount, count);
}

TEST(MainWindow, TheRealTimerPlaysAnUndoBack) {
    MainWindow w(GameOfSize(6));
    w.show();
    Game& g = w.game();
    const std::string before = Letters(g);
    ClickArrow(w, 8);
    ASSERT_NE(Letters(g), before);
    QSignalSpy ticks(&w.timer(), &QTimer::timeout);
    w.menuAction(mnuAnnullaMossa)->trigger();
    EXPECT_TRUE(w.timer().isActive());
    ClickArrow(w, 8); // ignored while the undo is pending
    EXPECT_TRUE(QTest::qWaitFor([&] { return !w.timer().isActive(); }, 2000));
    EXPECT_EQ(ticks.count(), 1);
    EXPECT_EQ(Letters(g), before);
    EXPECT_EQ(g.state.moveCount, 30);
}

TEST(MainWindow, TheScreenShowsEveryMoveAfterItsEvent) {
    MainWindow w(GameOfSize(7));
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    Game& g = w.game();
    // The corner of the top-left tile is white unless its letter is in place.
    const QPoint corner = CentreOf(w, g.window.image1[0]) - QPoint(14, 14);
    for (int j = 0; j < 7; ++j) g.state.board[j][1] = g.state.solutionText[j] - 64;
    bool seen[2] = {};
    for (int i = 0; i < 7; ++i) {
        ClickArrow(w, 14); // row 1 turns right
        QTest::qWait(20);
        const bool inPlace = g.state.board[0][1] == g.state.solutionText[0] - 64;
        seen[inPlace] = true;
        EXPECT_EQ(ScreenPixel(w, corner) == QColor(Qt::white), !inPlace) << i;
    }
    EXPECT_TRUE(seen[0] && seen[1]);
}

// Runs twice: at the platform's usual 96 dpi and, in its own process, at 120 dpi.
TEST(WindowAtAnyDpi, KeepsEveryElementAtItsDesignPixels) {
    MainWindow w(GameOfSize(7));
    const double tpp = w.board()->twipsPerPixel();
    if (qgetenv("QT_FONT_DPI") == "120") {
        EXPECT_EQ(tpp, 12);
    }
    const Game& g = w.game();
    EXPECT_EQ(g.state.scaled, tpp == 12 ? 0 : 1);
    EXPECT_EQ(w.board()->size(), QSize(407, 450));
    const WindowModel design = DesignWindow();
    for (int i = 0; i < 49; ++i)
        EXPECT_EQ(PixelBounds(g.window.image1[i], tpp), PixelBounds(design.image1[i], 12)) << i;
    for (int i = 0; i < 29; ++i)
        EXPECT_EQ(PixelBounds(g.window.image2[i], tpp), PixelBounds(design.image2[i], 12)) << i;
    EXPECT_EQ(g.window.label1[0].fontSize, tpp == 12 ? 10.2f : std::floor(10.2f * float(tpp / 12)));
}

// Runs at scale 1 and, in its own process, at scale 2: every white tile on screen is its
// picture pixel for pixel, at the screen's own density.
TEST(WindowAtAnyScale, ShowsEachTileAsItsPicture) {
    MainWindow w(GameOfSize(7));
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    const qreal dpr = w.devicePixelRatioF();
    if (qgetenv("QT_SCALE_FACTOR") == "2") {
        EXPECT_EQ(dpr, 2);
    }
    const QImage shot = w.board()->grab().toImage();
    ASSERT_EQ(shot.size(), QSize(407, 450) * dpr);
    Pictures pictures;
    const Game& g = w.game();
    int compared = 0;
    for (int i = 0; i < 49; ++i) {
        const ImageElement& tile = g.window.image1[i];
        if (tile.picture.list != PictureList::ImageList3) continue;
        const QImage picture = pictures.picture(tile.picture).toImage();
        ASSERT_EQ(picture.size(), QSize(32, 32) * dpr);
        const PixelRect r = PixelBounds(tile, w.board()->twipsPerPixel());
        const QImage onScreen = shot.copy(QRect(QPoint(r.x + 1, r.y + 1) * dpr, picture.size()));
        EXPECT_EQ(onScreen.convertToFormat(QImage::Format_RGB32),
                  picture.convertToFormat(QImage::Format_RGB32))
            << "tile " << i;
        ++compared;
    }
    EXPECT_GT(compared, 20);
}

TEST(MainWindow, ShowsEachArrowsPointerOverIt) {
    MainWindow w(GameOfSize(7));
    w.show();
    QTest::mouseMove(w.board(), CentreOf(w, w.game().window.image2[3]));
    EXPECT_EQ(w.board()->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(w.board()->cursor().hotSpot(), QPoint(7, 13)); // pointing down, above the board
    QTest::mouseMove(w.board(), CentreOf(w, w.game().window.image2[9]));
    EXPECT_EQ(w.board()->cursor().hotSpot(), QPoint(1, 7)); // pointing left, at the right
    QTest::mouseMove(w.board(), CentreOf(w, w.game().window.image1[24]));
    EXPECT_EQ(w.board()->cursor().shape(), Qt::ArrowCursor);
}

TEST(MainWindow, PlaysTheSolutionTickByTickWhileIgnoringThePlayer) {
    MainWindow w(GameOfSize(5));
    w.show();
    const Game& g = w.game();
    const std::string task = g.window.label1[0].caption;
    w.menuAction(mnuSoluzione)->trigger();
    int ticks = 0;
    while (w.timer().isActive() && ticks < 100) {
        const std::string before = Letters(g);
        const int count = g.state.moveCount;
        ClickArrow(w, 3);
        w.menuAction(mnuNS)->trigger();
        w.menuAction(mnuAnnullaMossa)->trigger();
        EXPECT_EQ(Letters(g), before);
        EXPECT_EQ(g.state.moveCount, count);
        w.tick();
        ++ticks;
    }
    EXPECT_EQ(ticks, 22);
    EXPECT_EQ(Letters(g), g.state.solutionText);
    EXPECT_EQ(g.window.label1[0].caption, task);
    for (int i = 0; i < 28; ++i) EXPECT_FALSE(g.window.image2[i].visible);
    EXPECT_EQ(w.menuAction(mnuIstruzioni)->text(), "Istruzioni");
}
