// The window as the screen shows it, at every display scale (each run in a process of its own):
// frames on whole device pixels and all equally thick, pictures drawn at the device's own size,
// elements painted back to front over the background.
#include "qt/pictures.h"
#include "view/window/device_pixels.h"
#include "window_helpers.h"

#include <cmath>

#include <QMenuBar>
#include <QTest>
#include <gtest/gtest.h>

using namespace pirandella;
using namespace pirandella::testing;

namespace {

struct Shot {
    QImage image;  // the whole window, menu bar included, in device pixels
    QPoint design; // the design's top-left corner in the window, in pixels of the layout
    qreal dpr;
    // The first device pixel of a layout pixel, and a frame line's thickness, as designed.
    int device(int px) const { return static_cast<int>(std::floor(px * dpr + 0.5)); }
    int line() const {
        static const std::map<qreal, int> lines{{1, 1}, {1.25, 1}, {1.5, 2}, {1.75, 2}, {2, 2}};
        return lines.at(dpr);
    }
    QColor at(int x, int y) const { return image.pixelColor(x, y); } // device pixels
};

Shot Grab(MainWindow& w) {
    Shot s{w.grab().toImage().convertToFormat(QImage::Format_RGB32),
           w.board()->mapTo(&w, w.board()->origin()), w.devicePixelRatioF()};
    return s;
}

bool Black(QColor c) {
    return c.red() == 0 && c.green() == 0 && c.blue() == 0;
}

// Runs of black pixels along a line of the shot: where each starts and how long it is.
std::vector<std::pair<int, int>> BlackRuns(const Shot& s, bool across, int fixed, int from,
                                           int to) {
    std::vector<std::pair<int, int>> runs;
    for (int k = from; k < to; ++k) {
        if (!Black(across ? s.at(k, fixed) : s.at(fixed, k))) continue;
        if (!runs.empty() && runs.back().first + runs.back().second == k)
            ++runs.back().second;
        else
            runs.push_back({k, 1});
    }
    return runs;
}

QImage Cut(const Shot& s, const DeviceRect& r) {
    return s.image.copy(r.x, r.y, r.width, r.height);
}

// An element's box on the screen, from its first pixel to the end of the frame line on its last;
// inside: what the frame encloses.
DeviceRect OnScreen(const Shot& s, MainWindow& w, const Square& e, bool inside) {
    PixelRect r = PixelBounds(e, w.midend().view().screen.twipsPerPixel());
    r.x += s.design.x();
    r.y += s.design.y();
    const int x = s.device(r.x), y = s.device(r.y), t = inside ? s.line() : 0;
    return {x + t, y + t, s.device(r.x + r.width - 1) + s.line() - x - 2 * t,
            s.device(r.y + r.height - 1) + s.line() - y - 2 * t};
}

MainWindow* Shown(MainWindow& w) {
    w.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&w));
    return &w;
}

} // namespace

TEST(WindowAtAnyScale, DrawsEveryFrameLineEquallyThickOnWholeDevicePixels) {
    MainWindow w(GameOfSize(7));
    Shown(w);
    const Shot s = Grab(w);
    if (qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) {
        EXPECT_EQ(s.dpr, qEnvironmentVariable("QT_SCALE_FACTOR").toDouble());
    }
    const int t = s.line();
    // Across grid row 3 and down grid column 3: the ten lines of a 9 x 9 ruled table, at the
    // device pixels of the layout's pixels 57, 90, ..., 354 across and 90, 123, ..., 387 down.
    const int row = s.device(s.design.y() + 123 + 33 * 3 + 17);
    const int column = s.device(s.design.x() + 90 + 33 * 3 + 17);
    for (bool across : {true, false}) {
        const int first = across ? 57 : 90, origin = across ? s.design.x() : s.design.y();
        const auto runs = BlackRuns(s, across, across ? row : column, s.device(origin + first - 5),
                                    s.device(origin + first + 33 * 9 + 5));
        ASSERT_EQ(runs.size(), 10u) << (across ? "across" : "down") << " at scale " << s.dpr;
        for (int k = 0; k < 10; ++k) {
            EXPECT_EQ(runs[k].first, s.device(origin + first + 33 * k)) << k;
            EXPECT_EQ(runs[k].second, t) << (across ? "across" : "down") << ", line " << k;
        }
    }
}

TEST(WindowAtAnyScale, FillsEachFrameWithItsPictureDrawnForTheDevice) {
    MainWindow w(GameOfSize(7));
    Shown(w);
    const Shot s = Grab(w);
    const Midend& g = w.midend();
    const QColor grey(161, 161, 161);
    std::map<std::pair<int, int>, QImage> seen; // list and letter: the tile as first seen
    int alike = 0;
    for (int i = 0; i < 49; ++i) {
        const Square tile = g.window().tiles[i];
        const DeviceRect in = OnScreen(s, w, tile, true);
        const QImage onScreen = Cut(s, in);
        if (tile.picture.kind != Picture::LetterOutOfPlace) continue;
        // White, with a grey edge as thick as a frame line along the right and the bottom.
        EXPECT_EQ(onScreen.pixelColor(0, 0), QColor(Qt::white)) << "tile " << i;
        for (int k = 1; k <= s.line() + 1; ++k) {
            const int x = in.width - k, y = in.height - k;
            EXPECT_EQ(onScreen.pixelColor(x, 1) == grey, k <= s.line()) << i << ", " << k;
            EXPECT_EQ(onScreen.pixelColor(1, y) == grey, k <= s.line()) << i << ", " << k;
        }
        // Equal letters look alike, wherever they stand (same size, same strokes).
        const auto key = std::pair(static_cast<int>(tile.picture.kind), tile.picture.letter.number);
        auto [it, fresh] = seen.emplace(key, onScreen);
        if (!fresh && it->second.size() == onScreen.size()) {
            EXPECT_EQ(onScreen, it->second) << "tile " << i;
            ++alike;
        }
    }
    EXPECT_GT(alike, 3);
    // and different letters differently, however the window keeps the pictures it drew.
    for (auto a = seen.begin(); a != seen.end(); ++a)
        for (auto b = std::next(a); b != seen.end(); ++b)
            if (a->second.size() == b->second.size()) {
                EXPECT_NE(a->second, b->second) << a->first.second << " " << b->first.second;
            }
    EXPECT_GT(seen.size(), 8u);
}

TEST(WindowAtAnyScale, PaintsBackToFrontOverTheBackground) {
    MainWindow w(GameOfSize(7));
    Shown(w);
    const Midend& g = w.midend();
    const Shot plain = Grab(w);
    Pictures pictures;
    // Where no element stands, the photograph shows at its own size from the corner.
    if (plain.dpr == 1 || plain.dpr == 2) {
        const QImage photo =
            pictures.photo(plain.dpr == 1 ? Photo::Background : Photo::Background2x).toImage();
        for (QPoint p : {QPoint(10, 10), QPoint(400, 60), QPoint(20, 440)})
            EXPECT_EQ(plain.at(plain.device(plain.design.x() + p.x()),
                               plain.device(plain.design.y() + p.y())),
                      photo.pixelColor(p * plain.dpr))
                << p.x() << "," << p.y();
    }
    // The message line: white letters within the box it is sized to. Its 12 points at 96 dpi are
    // 16 pixels of Liberation Serif: the task is 270.2 pixels wide, a line 17.7 high.
    const MessageLine label = g.window().message;
    ASSERT_EQ(label.text, "in orizzontale posiziona 7 nomi di animali");
    const PixelRect box = PixelBounds(label, w.midend().view().screen.twipsPerPixel());
    EXPECT_EQ(box.width, 270);
    EXPECT_EQ(box.height, 18);
    int white = 0;
    for (int y = box.y; y < box.y + box.height; ++y)
        for (int x = box.x; x < box.x + box.width; ++x)
            white += plain.at(plain.device(plain.design.x() + x),
                              plain.device(plain.design.y() + y)) == QColor(Qt::white);
    EXPECT_GT(white, 40);

    // The instructions page lies in front of the tiles and arrows it covers.
    w.menuAction(Command::Instructions)->trigger();
    const Shot shown = Grab(w);
    const DeviceRect page = OnScreen(shown, w, g.window().page, true);
    const QImage onScreen = Cut(shown, page);
    EXPECT_EQ(onScreen.pixelColor(2, 2), QColor(Qt::white));
    int ink = 0; // black text on white, where the tiles were
    for (int y = 0; y < onScreen.height(); ++y)
        for (int x = 0; x < onScreen.width(); ++x)
            ink += onScreen.pixelColor(x, y).lightness() < 128;
    EXPECT_GT(ink, 3000 * shown.dpr * shown.dpr);
}
