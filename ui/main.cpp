#include "view/main_window.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

namespace {

// Qt aborts with a long message when it finds no display; say it plainly instead.
bool DisplayMissing() {
#if defined(__unix__) && !defined(__APPLE__)
    return !std::getenv("QT_QPA_PLATFORM") && !std::getenv("DISPLAY") &&
           !std::getenv("WAYLAND_DISPLAY");
#else
    return false;
#endif
}

} // namespace

int main(int argc, char** argv) {
    if (DisplayMissing()) {
        std::fputs("pirandella: no display found (DISPLAY is not set); on a machine without a "
                   "screen run it under Xvfb: xvfb-run -a pirandella\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    pirandella::Game game;
    game.screen = pirandella::MeasureScreen();
    pirandella::MainWindow window(std::move(game));
    window.show();
    return app.exec();
}
