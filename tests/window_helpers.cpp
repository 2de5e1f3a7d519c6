#include "window_helpers.h"

#include <QTest>

namespace pirandella::testing {

Session GameOfSize(int n) {
    Session s;
    s.view.screen = MeasureScreen();
    s.game.timeOfDay = [] { return 500.0f; };
    s.game.rng.script({SizeDraw(n)});
    return s;
}

QPoint CentreOf(MainWindow& w, const ImageElement& e) {
    const PixelRect r = PixelBounds(e, w.session().view.screen.twipsPerPixel());
    return w.board()->origin() + QPoint(r.x + r.width / 2, r.y + r.height / 2);
}

void ClickAt(MainWindow& w, QPoint p) {
    QTest::mouseClick(w.board(), Qt::LeftButton, {}, p);
}

void ClickArrow(MainWindow& w, int index) {
    ClickAt(w, CentreOf(w, WindowOf(w.session()).arrows[index]));
}

} // namespace pirandella::testing
