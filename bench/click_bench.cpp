// From an arrow click to the repainted window, in the real game window on a real X display
// (run under Xvfb): the click goes through hit-testing, the move, the redraw of the model and
// the paint of the whole client area, flushed to the display.
#include "qt/main_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    pirandella::MainWindow window;
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return 1;
    const pirandella::Midend& midend = window.midend();
    const auto arrow = midend.window().arrows[10]; // in use at every board size
    const pirandella::PixelRect r =
        pirandella::PixelBounds(arrow, midend.view().screen.twipsPerPixel());
    const QPoint centre = window.board()->origin() + QPoint(r.x + r.width / 2, r.y + r.height / 2);
    int painted = 0;
    struct PaintCounter : QObject {
        int* count;
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::Paint) ++*count;
            return false;
        }
    } counter;
    counter.count = &painted;
    window.board()->installEventFilter(&counter);

    std::vector<double> micros;
    for (int i = 0; i < 300; ++i) {
        const int before = painted;
        QElapsedTimer timer;
        timer.start();
        QTest::mouseClick(window.board(), Qt::LeftButton, {}, centre);
        while (painted == before) QCoreApplication::processEvents(QEventLoop::AllEvents);
        QCoreApplication::processEvents(); // the flush that follows the paint
        micros.push_back(timer.nsecsElapsed() / 1000.0);
    }
    std::sort(micros.begin(), micros.end());
    std::printf("%.3f\n", micros[micros.size() / 2] / 1000.0); // median, milliseconds
    return 0;
}
