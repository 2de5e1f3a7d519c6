// The window as the screen shows it, at every display scale (each run in a process of its own):
// frames on whole device pixels and all equally thick, pictures drawn at the device's own size,
// elements painted back to front over the background.
#include "qt/pictures.h"
#include "view/device_pixels.h"
#include "window_helpers.h"

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
    int device(int px) const { return DeviceEdge(px, dpr); }
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

DeviceRect OnScreen(const Shot& s, MainWindow& w, const ImageElement& e, bool inside) {
    PixelRect r = PixelBounds(e, w.board()->twipsPerPixel());
    r.x += s.design.x();
    r.y += s.design.y();
    return inside ? PictureBox(r, s.dpr) : FrameBox(r, s.dpr);
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
    const int t = FrameThickness(s.dpr);
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
    Pictures pictures;
    const Game& g = w.game();
    std::map<std::pair<int, int>, QImage> seen; // list and letter: the tile as first seen
    int alike = 0;
    for (int i = 0; i < 49; ++i) {
        const ImageElement& tile = g.window.image1[i];
        const DeviceRect inside = OnScreen(s, w, tile, true);
        const QImage onScreen = Cut(s, inside);
        if (tile.picture.list == PictureList::ImageList3) { // opaque: exactly its picture
            EXPECT_EQ(onScreen, pictures.picture(tile.picture, onScreen.size(), s.dpr)
                                    .toImage()
                                    .convertToFormat(QImage::Format_RGB32))
                << "tile " << i;
        }
        // Equal letters look alike, wherever they stand (same size, same strokes).
        const auto key = std::pair(static_cast<int>(tile.picture.list), tile.picture.item);
        auto [it, fresh] = seen.emplace(key, onScreen);
        if (!fresh && it->second.size() == onScreen.size() &&
            tile.picture.list == PictureList::ImageList3) {
            EXPECT_EQ(onScreen, it->second) << "tile " << i;
            ++alike;
        }
    }
    EXPECT_GT(alike, 3);
}

TEST(WindowAtAnyScale, PaintsBackToFrontOverTheBackground) {
    MainWindow w(GameOfSize(7));
    Shown(w);
    Game& g = w.game();
    const Shot plain = Grab(w);
    Pictures pictures;
    // Where no element stands, the photograph shows at its own size from the corner.
    if (plain.dpr == 1 || plain.dpr == 2) {
        const QImage photo = pictures.background(plain.dpr).toImage();
        for (QPoint p : {QPoint(10, 10), QPoint(400, 60), QPoint(20, 440)})
            EXPECT_EQ(plain.at(plain.device(plain.design.x() + p.x()),
                               plain.device(plain.design.y() + p.y())),
                      photo.pixelColor(p * plain.dpr))
                << p.x() << "," << p.y();
    }
    // The message line: white letters within the box it is sized to, nothing of it beyond.
    const LabelElement& label = g.window.label1[0];
    const QFontMetrics metrics(pictures.font(label.fontName, label.fontSize));
    const PixelRect box = PixelBounds(label, w.board()->twipsPerPixel());
    EXPECT_EQ(box.width, metrics.horizontalAdvance(QString::fromStdString(label.caption)));
    EXPECT_EQ(box.height, metrics.height());
    int white = 0;
    for (int y = box.y; y < box.y + box.height; ++y)
        for (int x = box.x; x < box.x + box.width; ++x)
            white += plain.at(plain.device(plain.design.x() + x),
                              plain.device(plain.design.y() + y)) == QColor(Qt::white);
    EXPECT_GT(white, 40);

    // The instructions page lies in front of the tiles and arrows it covers.
    w.menuAction(mnuIstruzioni)->trigger();
    const Shot shown = Grab(w);
    const DeviceRect page = OnScreen(shown, w, g.window.image2[28], true);
    EXPECT_EQ(
        Cut(shown, page),
        pictures.picture(g.window.image2[28].picture, QSize(page.width, page.height), shown.dpr)
            .toImage()
            .convertToFormat(QImage::Format_RGB32));
}
