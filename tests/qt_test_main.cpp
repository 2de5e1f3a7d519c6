// Window tests run without a display unless a platform is named.
#include <QApplication>
#include <gtest/gtest.h>

// Under LeakSanitizer: its scan of thread-local storage crashes on what a Qt test process leaves at
// its end, so the window's tests run without it, and what GLib keeps for each thread there would
// then read as leaks. (Unused in a build without the sanitizer.)

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
