#include "qt/main_window.h"

#include <QApplication>
#include <QMessageBox>
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
        std::fprintf(stderr,
                     "pirandella: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set); "
                     "on a machine without a screen run it under Xvfb (apt-get install xvfb xauth): "
                     "xvfb-run -a %s\n",
                     argv[0]);
        return 1;
    }
    QApplication app(argc, argv);
    // Wayland desktops find the window's icon and name through its desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.pirandella.pirandella"));
    pirandella::Session session;
    session.view.screen = pirandella::MeasureScreen();
    try {
        pirandella::MainWindow window(std::move(session));
        window.show();
        return app.exec();
    } catch (const pirandella::OutlineError& e) { // a build with a missing or damaged picture
        // Told where the player looks, before any window of the game is shown.
        std::fprintf(stderr, "pirandella: %s\n", e.what());
        QMessageBox::critical(nullptr, QStringLiteral("pirandella"),
                              QStringLiteral("pirandella non può partire.\n\n") +
                                  QString::fromUtf8(e.what()));
        return 1;
    }
}
