#include "window_helpers.h"

#include <QTest>

namespace pirandella::testing {

Game GameOfSize(int n) {
    Game g;
    g.timeOfDay = [] { return 500.0f; };
    g.rng.script({SizeDraw(n)});
    return g;
}

QPoint CentreOf(MainWindow& w, const Square& e) {
    const PixelRect r = PixelBounds(e, w.midend().view().screen.twipsPerPixel());
    return w.board()->origin() + QPoint(r.x + r.width / 2, r.y + r.height / 2);
}

void ClickAt(MainWindow& w, QPoint p) {
    QTest::mouseClick(w.board(), Qt::LeftButton, {}, p);
}

void ClickArrow(MainWindow& w, int index) {
    ClickAt(w, CentreOf(w, w.midend().window().arrows[index]));
}

} // namespace pirandella::testing
