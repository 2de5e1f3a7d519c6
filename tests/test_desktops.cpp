// The game on real desktops, each run by a test of its own: on an X server (Xvfb) at display
// scale 2, and as a client of a Wayland compositor (weston) that maximises it.
#include "qt/pictures.h"
#include "view/window/device_pixels.h"
#include "view/painting/pointer_shape.h"
#include "window_helpers.h"

#include <QAction>
#include <QGuiApplication>
#include <QMenuBar>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>
#include <memory>
#ifdef PIRANDELLA_XFIXES
#include <xcb/xfixes.h>
#endif

using namespace pirandella;
using namespace pirandella::testing;

#ifdef PIRANDELLA_XFIXES
// The pointer the X server shows now: its picture, in ARGB, and its hot spot.
struct ServerPointer {
    int width = 0, height = 0, hotX = 0, hotY = 0;
    std::vector<std::uint32_t> pixels;
    int alpha(int x, int y) const { return pixels[y * width + x] >> 24; }
};

ServerPointer PointerOnServer() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* c = x11->connection();
    std::free(xcb_xfixes_query_version_reply(c, xcb_xfixes_query_version(c, 4, 0), nullptr));
    auto* reply = xcb_xfixes_get_cursor_image_reply(c, xcb_xfixes_get_cursor_image(c), nullptr);
    ServerPointer p;
    if (!reply) return p;
    p.width = reply->width;
    p.height = reply->height;
    p.hotX = reply->xhot;
    p.hotY = reply->yhot;
    const std::uint32_t* data = xcb_xfixes_get_cursor_image_cursor_image(reply);
    p.pixels.assign(data, data + p.width * p.height);
    std::free(reply);
    return p;
}

TEST(OnX11, PointsWithTheArrowsTipAtTheDisplayScale) {
    ASSERT_EQ(QGuiApplication::platformName(), "xcb");
    MainWindow w(GameOfSize(7));
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    const qreal dpr = w.devicePixelRatioF();
    const int side = static_cast<int>(std::lround(16 * dpr));
    // Down, left, right, up: the tip's pixel of the 16 x 16 design (7,13), (1,7), (13,7), (7,1)
    // is two device pixels square at scale 2; the hot spot is the one at its middle's corner.
    const std::pair<int, QPoint> arrows[] = {
        {3, {15, 27}}, {9, {3, 15}}, {16, {27, 15}}, {24, {15, 3}}};
    for (const auto& [arrow, tip] : arrows) {
        const Square cell = w.midend().window().arrows[arrow];
        QCursor::setPos(w.board()->mapToGlobal(CentreOf(w, cell)));
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                return w.board()->cursor().shape() == Qt::BitmapCursor &&
                       PointerOnServer().width == side;
            },
            3000))
            << "arrow " << arrow;
        QTest::qWait(50);
        const ServerPointer p = PointerOnServer();
        ASSERT_EQ(p.height, side);
        // The hot spot is the arrow's tip: drawn, and the one pixel that leads in its direction.
        ASSERT_EQ(dpr, 2);
        EXPECT_EQ(QPoint(p.hotX, p.hotY), tip) << "arrow " << arrow;
        EXPECT_GT(p.alpha(p.hotX, p.hotY), 0) << "arrow " << arrow;
        int beyond = 0; // opaque pixels past the tip, the way the arrow points
        for (int y = 0; y < p.height; ++y)
            for (int x = 0; x < p.width; ++x) {
                const bool past = cell.pointer == Pointer::ArrowDown   ? y > p.hotY + 1
                                  : cell.pointer == Pointer::ArrowUp   ? y < p.hotY - 1
                                  : cell.pointer == Pointer::ArrowLeft ? x < p.hotX - 1
                                                                       : x > p.hotX + 1;
                beyond += past && p.alpha(x, y) > 0;
            }
        EXPECT_EQ(beyond, 0) << "arrow " << arrow;
    }
}
#endif

// Under a window manager at display scale 1.5 the window keeps its design's client area of
// 407 x 450 pixels, its outer size takes in the menu bar and the frame, and it stands in the
// middle of the screen with all of them.
TEST(OnOpenbox, CentresTheScaledWindowWithItsFrameAndMenuBar) {
    ASSERT_EQ(QGuiApplication::platformName(), "xcb");
    MainWindow w(GameOfSize(7));
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w.windowHandle()->frameMargins().isNull(); }, 3000))
        << "no frame from the window manager";
    QTest::qWait(300); // placed again on the frame's size
    const QMargins frame = w.windowHandle()->frameMargins();
    const QRect screen = w.screen()->geometry(), outer = w.frameGeometry();
    EXPECT_EQ(w.devicePixelRatioF(), 1.5);
    EXPECT_EQ(w.board()->size(), QSize(407, 450));
    EXPECT_EQ(outer.width(), 407 + frame.left() + frame.right());
    EXPECT_EQ(outer.height(), 450 + w.menuBar()->height() + frame.top() + frame.bottom());
    EXPECT_NEAR(outer.left(), (screen.width() - outer.width()) / 2.0, 1);
    EXPECT_NEAR(outer.top(), (screen.height() - outer.height()) / 2.0, 1);
}

TEST(OnWayland, KeepsPlayingWhenTheCompositorMaximisesIt) {
    ASSERT_TRUE(QGuiApplication::platformName().startsWith("wayland"));
    MainWindow w(GameOfSize(7));
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    const QSize normal = w.board()->size();
    // As a title bar's button or a compositor's shortcut does it: through the platform window.
    w.windowHandle()->setWindowStates(Qt::WindowMaximized);
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.board()->width() > normal.width(); }, 5000));
    const Midend& g = w.midend();
    const int count = g.game().moveCount;
    for (int i = 0; i < 20; ++i) {
        ClickArrow(w, (i * 5) % 28);
        QTest::qWait(10); // each move repainted and committed to the compositor
    }
    EXPECT_EQ(g.game().moveCount, count + 20);
    w.menuAction(Command::ShowSolution)->trigger();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w.timer().isActive(); }, 20000));
    QTest::qWait(200);
    EXPECT_EQ(Letters(g), g.game().solutionText);
    EXPECT_TRUE(w.isVisible());
    EXPECT_TRUE(w.windowState() & Qt::WindowMaximized);
}
