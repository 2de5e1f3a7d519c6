#include "qt/main_window.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
#if defined(__unix__) && !defined(__APPLE__)
    // Qt aborts with a long message when it finds no display; say it plainly instead.
    if (!std::getenv("QT_QPA_PLATFORM") && !std::getenv("DISPLAY") &&
        !std::getenv("WAYLAND_DISPLAY")) {
        std::fprintf(
            stderr,
            "pirandella: no display found (neither DISPLAY nor WAYLAND_DISPLAY is set); "
            "on a machine without a screen run it under Xvfb (apt-get install xvfb xauth): "
            "xvfb-run -a %s\n",
            argv[0]);
        return 1;
    }
#endif
    QApplication app(argc, argv);
    // Wayland desktops find the window's icon and name through its desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.pirandella.pirandella"));
    pirandella::MainWindow window;
    if (const std::string& failure = window.failure(); !failure.empty()) {
        // Told where the player looks, before any window of the game is shown.
        std::fprintf(stderr, "pirandella: %s\n", failure.c_str());
        QMessageBox::critical(nullptr, QStringLiteral("pirandella"),
                              QString::fromUtf8(pirandella::cannotStart) + QStringLiteral("\n\n") +
                                  QString::fromStdString(failure));
        return 1;
    }
    window.show();
    return app.exec();
}
