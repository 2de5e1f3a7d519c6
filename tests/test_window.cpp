#include "view/painting/pointer_shape.h"
#include "window_helpers.h"

#include <QAction>
#include <QApplication>
#include <QMenuBar>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>
#include <QWindow>
#include <gtest/gtest.h>

using namespace pirandella;
using namespace pirandella::testing;

namespace {

// The columns of a picture that hold any opaque pixel: first and last.
std::pair<int, int> OpaqueColumns(const QImage& image) {
    int first = image.width(), last = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y).alpha() > 0)
                first = std::min(first, x), last = std::max(last, x);
    return {first, last};
}

void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
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
    EXPECT_EQ(pictures.photo(Photo::Background).size(), QSize(410, 456));
    EXPECT_EQ(pictures.photo(Photo::Background2x).size(), QSize(820, 912));
    EXPECT_EQ(pictures.artwork().letters.size(), 26u);
    ASSERT_EQ(pictures.artwork().page.size(), 1u);
    // The capitals stand on pixel rows 15 to 26 of their 32 x 32 tile: the H's stem at column 12.
    const QPainterPath* h = pictures.path({OutlineSet::Letters, 'H' - 'A'});
    ASSERT_TRUE(h);
    for (int y = 0; y < 32; ++y)
        EXPECT_EQ(h->contains(QPointF(12.5, y + 0.5)), y >= 15 && y <= 26) << "row " << y;
    EXPECT_EQ(pictures.path({OutlineSet::Letters, 0}),
              pictures.path({OutlineSet::Letters, 0})); // converted once
    EXPECT_FALSE(pictures.path({OutlineSet::Letters, 26}));
}

TEST(Pictures, PointEachArrowTheWayItsLineTurns) {
    Pictures pictures;
    const struct {
        Pointer p;
        QPoint tip;
    } arrows[] = {{Pointer::ArrowDown, {7, 13}},
                  {Pointer::ArrowUp, {7, 1}},
                  {Pointer::ArrowLeft, {1, 7}},
                  {Pointer::ArrowRight, {13, 7}}};
    for (const auto& a : arrows) {
        EXPECT_EQ(PointerTip(a.p), (OutlinePoint{double(a.tip.x()), double(a.tip.y())}));
        const QCursor& cursor = pictures.cursor(a.p, 1);
        const QImage image = cursor.pixmap().toImage();
        EXPECT_EQ(image.size(), QSize(16, 16));
        EXPECT_EQ(cursor.hotSpot(), a.tip); // the offscreen platform takes pixels of the layout
        EXPECT_GT(image.pixelColor(a.tip).alpha(), 0);
        // Only the tip stands alone on the arrow's leading edge.
        const bool vertical = a.p == Pointer::ArrowDown || a.p == Pointer::ArrowUp;
        int alone = 0;
        for (int k = 0; k < 16; ++k)
            alone +=
                image.pixelColor(vertical ? k : a.tip.x(), vertical ? a.tip.y() : k).alpha() > 0;
        EXPECT_EQ(alone, 1) << static_cast<int>(a.p);
        if (!vertical) {
            // The left arrow's tip is its leftmost pixel, the right arrow's its rightmost.
            const auto [first, last] = OpaqueColumns(image);
            EXPECT_EQ(a.p == Pointer::ArrowLeft ? first : last, a.tip.x());
        }
    }
    // At a display scale the pointer grows with it, drawn for the new size.
    for (qreal scale : {1.25, 1.5, 2.0}) {
        const QPixmap pointer = pictures.cursor(Pointer::ArrowLeft, scale).pixmap();
        EXPECT_EQ(pointer.size(), QSize(1, 1) * std::lround(16 * scale));
        EXPECT_EQ(pointer.deviceIndependentSize().toSize(), QSize(16, 16));
    }
}

TEST(MainWindow, OpensAsDesigned) {
    MainWindow w(GameOfSize(7));
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    EXPECT_EQ(w.windowTitle(), "pirandella");
    EXPECT_EQ(w.board()->size(), QSize(407, 450));
    // One size only, and said so: no maximise button, the same least and greatest size.
    EXPECT_FALSE(w.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(w.windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_EQ(w.minimumSize(), w.maximumSize());
    QStringList captions;
    for (QAction* a : w.menuBar()->actions()) captions << a->text();
    EXPECT_EQ(captions, QStringList({"Soluzione", "Nuovo schema", "Istruzioni", "Annulla mossa"}));
    EXPECT_FALSE(w.midend().window().page.visible);
    EXPECT_FALSE(w.timer().isActive());
    EXPECT_EQ(w.timer().interval(), 120);
    EXPECT_EQ(w.windowIcon().availableSizes(),
              QList<QSize>({{16, 16}, {32, 32}, {48, 48}, {64, 64}, {128, 128}, {256, 256}}));
    EXPECT_EQ(w.midend().game().moveCount, 40); // the puzzle was set up before the window showed
}

TEST(MainWindow, ArrowClicksTurnTheirLineForEverySize) {
    const struct {
        int n, index;
        Direction direction;
        int line;
    } cases[] = {{7, 10, Direction::RowLeft, 4},
                 {5, 3, Direction::ColumnDown, 3},
                 {5, 22, Direction::ColumnUp, 1},
                 {6, 19, Direction::RowRight, 6}};
    for (const auto& c : cases) {
        MainWindow w(GameOfSize(c.n));
        w.show();
        const Midend& g = w.midend();
        Game expected = g.game();
        Turn(expected, c.direction, c.line);
        ClickArrow(w, c.index);
        EXPECT_EQ(Letters(g), Letters(expected)) << c.n << " " << c.index;
        EXPECT_EQ(g.game().moveHistory[g.game().moveCount], (pirandella::Move{c.direction, c.line}));
    }
}

TEST(MainWindow, ClicksReachOnlyTheFrontmostVisibleElement) {
    MainWindow w(GameOfSize(5));
    w.show();
    const Midend& g = w.midend();
    const int count = g.game().moveCount;
    ClickAt(w, CentreOf(w, g.window().tiles[24])); // a tile
    ClickAt(w, CentreOf(w, g.window().arrows[0])); // a hidden arrow
    ClickAt(w, {70, 400});                          // the label
    EXPECT_EQ(g.game().moveCount, count);
    w.menuAction(Command::Instructions)->trigger();
    EXPECT_EQ(w.menuAction(Command::Instructions)->text(), "Esci da Istruzioni");
    ClickArrow(w, 2); // covered by the page: the page takes the click and closes
    EXPECT_EQ(g.game().moveCount, count);
    EXPECT_FALSE(g.window().page.visible);
    EXPECT_EQ(w.menuAction(Command::Instructions)->text(), "Istruzioni");
    // A press on one arrow released on another is no click.
    QTest::mousePress(w.board(), Qt::LeftButton, {}, CentreOf(w, g.window().arrows[1]));
    QTest::mouseRelease(w.board(), Qt::LeftButton, {}, CentreOf(w, g.window().arrows[2]));
    EXPECT_EQ(g.game().moveCount, count);
}

TEST(MainWindow, TheRealTimerPlaysAnUndoBack) {
    MainWindow w(GameOfSize(6));
    w.show();
    const Midend& g = w.midend();
    const std::string before = Letters(g);
    ClickArrow(w, 8);
    ASSERT_NE(Letters(g), before);
    QSignalSpy ticks(&w.timer(), &QTimer::timeout);
    w.menuAction(Command::UndoMove)->trigger();
    EXPECT_TRUE(w.timer().isActive());
    ClickArrow(w, 8); // ignored while the undo is pending
    EXPECT_TRUE(QTest::qWaitFor([&] { return !w.timer().isActive(); }, 2000));
    EXPECT_EQ(ticks.count(), 1);
    EXPECT_EQ(Letters(g), before);
    EXPECT_EQ(g.game().moveCount, 30);
}

TEST(MainWindow, TheScreenShowsEveryMoveAfterItsEvent) {
    Game laid = SolvedBoard(7, {1, 2, 3, 4, 5, 6, 7});
    Turn(laid, Direction::RowRight, 1); // a puzzle one move from solved: row 1 comes round
    MainWindow w(laid);
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    const Midend& g = w.midend();
    // The corner of the top-left tile is white unless its letter is in place.
    const QPoint corner = CentreOf(w, g.window().tiles[0]) - QPoint(14, 14);
    bool seen[2] = {};
    for (int i = 0; i < 7; ++i) {
        ClickArrow(w, 14); // row 1 turns right
        QTest::qWait(20);
        const bool inPlace = g.game().board[0] == Letter::Of(g.game().solutionText[0]);
        seen[inPlace] = true;
        EXPECT_EQ(ScreenPixel(w, corner) == QColor(Qt::white), !inPlace) << i;
    }
    EXPECT_TRUE(seen[0] && seen[1]);
}

// Runs twice: at the platform's usual 96 dpi and, in its own process, at 120 dpi.
TEST(WindowAtAnyDpi, KeepsEveryElementAtItsDesignPixels) {
    MainWindow w(GameOfSize(7));
    const TwipsScale tpp = w.midend().view().screen.twipsPerPixel();
    if (qgetenv("QT_FONT_DPI") == "120") {
        EXPECT_EQ(tpp.x, 12);
    }
    const Midend& g = w.midend();
    EXPECT_EQ(Scaled(g.view().screen), tpp.x != 12);
    EXPECT_EQ(w.board()->size(), QSize(407, 450));
    const WindowModel design = DesignWindow();
    const WindowModel shown = g.window();
    for (int i = 0; i < 49; ++i)
        EXPECT_EQ(PixelBounds(shown.tiles[i], tpp), PixelBounds(design.tiles[i], {})) << i;
    for (int i = 0; i < 28; ++i)
        EXPECT_EQ(PixelBounds(shown.arrows[i], tpp), PixelBounds(design.arrows[i], {})) << i;
    EXPECT_EQ(PixelBounds(shown.page, tpp), PixelBounds(design.page, {}));
    EXPECT_EQ(g.window().message.fontSize,
              tpp.y == 12 ? 10.2f : std::floor(10.2f * float(tpp.y / 12)));
    // The window's outer size takes in the menu bar: the client area stays 407 x 450.
    EXPECT_EQ(ClientBounds(g.window().outer, tpp), (PixelRect{0, 0, 407, 450}));
    EXPECT_EQ(g.window().outer.chromeHeight, w.menuBar()->sizeHint().height());
}

TEST(MainWindow, ShowsEachArrowsPointerOverIt) {
    MainWindow w(GameOfSize(7));
    w.show();
    QTest::mouseMove(w.board(), CentreOf(w, w.midend().window().arrows[3]));
    EXPECT_EQ(w.board()->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(w.board()->cursor().hotSpot(), QPoint(7, 13)); // pointing down, above the board
    QTest::mouseMove(w.board(), CentreOf(w, w.midend().window().arrows[9]));
    EXPECT_EQ(w.board()->cursor().hotSpot(), QPoint(1, 7)); // pointing left, at the right
    QTest::mouseMove(w.board(), CentreOf(w, w.midend().window().tiles[24]));
    EXPECT_EQ(w.board()->cursor().shape(), Qt::ArrowCursor);
}

TEST(MainWindow, PlaysTheSolutionTickByTickWhileIgnoringThePlayer) {
    MainWindow w(GameOfSize(5));
    w.show();
    const Midend& g = w.midend();
    const std::string task = g.window().message.text;
    w.menuAction(Command::ShowSolution)->trigger();
    int ticks = 0;
    while (w.timer().isActive() && ticks < 100) {
        const std::string before = Letters(g);
        const int count = g.game().moveCount;
        ClickArrow(w, 3);
        w.menuAction(Command::NewPuzzle)->trigger();
        w.menuAction(Command::UndoMove)->trigger();
        EXPECT_EQ(Letters(g), before);
        EXPECT_EQ(g.game().moveCount, count);
        w.midend().tick();
        ++ticks;
    }
    EXPECT_EQ(ticks, 22);
    EXPECT_EQ(Letters(g), g.game().solutionText);
    EXPECT_EQ(g.window().message.text, task);
    for (int i = 0; i < 28; ++i) EXPECT_FALSE(g.window().arrows[i].visible);
    EXPECT_EQ(w.menuAction(Command::Instructions)->text(), "Istruzioni");
}

TEST(MainWindow, KeepsTheDesignInTheMiddleOfALargerWindow) {
    MainWindow w(GameOfSize(6));
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    const QSize normal = w.size();
    for (bool fullScreen : {false, true}) {
        // As a window manager does it: through the platform's window, not the widget.
        w.windowHandle()->setWindowStates(fullScreen ? Qt::WindowFullScreen : Qt::WindowMaximized);
        ASSERT_TRUE(QTest::qWaitFor([&] { return w.board()->width() > 407; }, 2000));
        const QSize board = w.board()->size();
        EXPECT_EQ(w.board()->origin(),
                  QPoint((board.width() - 407) / 2, (board.height() - 450) / 2));
        const int count = w.midend().game().moveCount;
        ClickArrow(w, 8); // still plays, at the arrow's new place on the screen
        EXPECT_EQ(w.midend().game().moveCount, count + 1);
        const QImage shot = w.board()->grab().toImage();
        EXPECT_EQ(shot.pixelColor(1, 1), QColor(10, 22, 8)); // the surround is painted
        w.windowHandle()->setWindowStates(Qt::WindowNoState);
        ASSERT_TRUE(QTest::qWaitFor([&] { return w.size() == normal; }, 2000));
        EXPECT_EQ(w.minimumSize(), w.maximumSize());
        EXPECT_EQ(w.board()->origin(), QPoint());
    }
}

TEST(MainWindow, ShowsEveryMenuCommandWhateverTheMenuFont) {
    const QFont usual = QApplication::font(); // as a desktop with large fonts sets it
    QFont large = usual;
    large.setPointSizeF(usual.pointSizeF() * 3);
    QApplication::setFont(large);
    MainWindow w(GameOfSize(5));
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    ASSERT_GT(w.menuBar()->sizeHint().width(), 407); // wider than the design
    for (bool page : {false, true}) { // and at the longest captions, "Esci da Istruzioni"
        if (page) w.menuAction(Command::Instructions)->trigger();
        QApplication::processEvents();
        for (QAction* a : w.menuBar()->actions())
            EXPECT_LE(w.menuBar()->actionGeometry(a).right(), w.menuBar()->width())
                << a->text().toStdString();
        for (const QToolButton* more : w.menuBar()->findChildren<QToolButton*>())
            EXPECT_FALSE(more->isVisible()); // no overflow button
    }
    QApplication::setFont(usual);
    w.menuAction(Command::Instructions)->trigger();
    EXPECT_EQ(w.board()->origin().x(), (w.board()->width() - 407) / 2);
    ClickArrow(w, 2);
    EXPECT_EQ(w.midend().game().moveCount, 21);
}

TEST(Keyboard, PlaysAColumnUndoesFromTheMenuAndShowsTheSolution) {
    MainWindow w(GameOfSize(5));
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.board()->hasFocus(); }, 2000)); // focused at start
    const Midend& g = w.midend();
    const QImage unmarked = w.board()->grab().toImage();
    EXPECT_EQ(w.midend().view().marker, -1);
    // Right: the marker appears on the first arrow above the board, then moves to the second.
    Press(Qt::Key_Right);
    EXPECT_EQ(w.midend().view().marker, 1);
    EXPECT_NE(w.board()->grab().toImage(), unmarked); // drawn over the window
    Press(Qt::Key_Right);
    EXPECT_EQ(w.midend().view().marker, 2);
    Game expected = g.game();
    Turn(expected, Direction::ColumnDown, 2); // column 2 turns down, by the keypad's Enter
    Press(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(Letters(g), Letters(expected));
    EXPECT_EQ(g.game().moveCount, 21);
    // Round the corner: past the last arrow above comes the first on the right.
    for (int k = 0; k < 4; ++k) Press(Qt::Key_Right);
    EXPECT_EQ(w.midend().view().marker, 8);
    Press(Qt::Key_Left); // across the board: the same row's arrow on the left
    EXPECT_EQ(w.midend().view().marker, 15);
    // F10 then Escape: the keys are back on the board.
    Press(Qt::Key_F10);
    ASSERT_TRUE(w.menuBar()->hasFocus());
    Press(Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([&] { return w.board()->hasFocus(); }, 2000));
    // F10 opens the menu bar; Right three times reaches "Annulla mossa", Enter runs it.
    Press(Qt::Key_F10);
    ASSERT_TRUE(w.menuBar()->hasFocus());
    EXPECT_EQ(w.menuBar()->activeAction(), w.menuAction(Command::ShowSolution));
    const QImage menuChosen = w.menuBar()->grab().toImage();
    for (int k = 0; k < 3; ++k) Press(Qt::Key_Right);
    EXPECT_EQ(w.menuBar()->activeAction(), w.menuAction(Command::UndoMove));
    EXPECT_NE(w.menuBar()->grab().toImage(), menuChosen); // the highlight moved with it
    Press(Qt::Key_Return);
    EXPECT_TRUE(w.timer().isActive());
    while (w.timer().isActive()) w.midend().tick();
    EXPECT_EQ(g.game().moveCount, 20);
    EXPECT_TRUE(QTest::qWaitFor([&] { return w.board()->hasFocus(); }, 2000)); // back to the board
    // The instructions from the menu, closed with Escape on the board.
    w.menuAction(Command::Instructions)->trigger();
    Press(Qt::Key_Escape);
    EXPECT_FALSE(g.window().page.visible);
    // F10, Enter: the solution. Keys on the board change nothing while it plays.
    Press(Qt::Key_F10);
    Press(Qt::Key_Return);
    ASSERT_TRUE(w.timer().isActive());
    EXPECT_TRUE(QTest::qWaitFor([&] { return w.board()->hasFocus(); }, 2000));
    const std::string during = Letters(g);
    Press(Qt::Key_Return);
    EXPECT_EQ(Letters(g), during);
    while (w.timer().isActive()) w.midend().tick();
    EXPECT_EQ(Letters(g), g.game().solutionText);
    // The arrows are gone, and the marker with them: the window looks as the design says.
    Press(Qt::Key_Right);
    EXPECT_EQ(w.midend().view().marker, -1);
}

TEST(Keyboard, SolvesAWholePuzzleToTheSolvedMessage) {
    MainWindow w(GameOfSize(6));
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.board()->hasFocus(); }, 2000));
    const Midend& g = w.midend();
    // Each side's key that takes the marker on round the ring.
    const auto onward = [](int arrow) {
        return arrow < 7    ? Qt::Key_Right
               : arrow < 14 ? Qt::Key_Down
               : arrow < 21 ? Qt::Key_Up
                            : Qt::Key_Left;
    };
    const std::vector<pirandella::Move> scramble(g.game().moveHistory.begin() + 1,
                                                 g.game().moveHistory.begin() + 1 + g.game().moveCount);
    int keys = 0;
    for (auto move = scramble.rbegin(); move != scramble.rend(); ++move) {
        // The move that takes this one back, and the arrow that makes it (6 x 6: groups from 0).
        // Down is undone from below, up from above, right from the right, left from the left.
        static constexpr int groupOf[5] = {0, 3, 0, 1, 2};
        const int arrow = groupOf[static_cast<int>(move->direction)] * 7 + move->line - 1;
        if (w.midend().view().marker < 0) Press(Qt::Key_Right), ++keys;
        for (int k = 0; k < 30 && w.midend().view().marker != arrow; ++k)
            Press(onward(w.midend().view().marker)), ++keys;
        ASSERT_EQ(w.midend().view().marker, arrow);
        Press(Qt::Key_Return), ++keys;
    }
    EXPECT_EQ(Letters(g), g.game().solutionText);
    EXPECT_EQ(g.window().message.text, "SCHEMA RISOLTO con n°30 mosse");
    EXPECT_EQ(w.midend().view().marker >= 0 && g.window().arrows[w.midend().view().marker].visible,
              false);
    EXPECT_LT(keys, 30 * 26);
}
