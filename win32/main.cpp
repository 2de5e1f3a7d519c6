#include "win32/main_window.h"

#include <windows.h>

#include <ole2.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    // OLE decodes the photograph and carries the screen reader's calls.
    if (FAILED(OleInitialize(nullptr))) return 1;
    int exitCode = 1;
    {
        pirandella::Game game;
        game.screen = pirandella::MeasureScreen();
        pirandella::MainWindow window(instance, std::move(game));
        if (window.handle()) {
            ShowWindow(window.handle(), show);
            MSG message;
            while (GetMessageW(&message, nullptr, 0, 0) > 0) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
            exitCode = static_cast<int>(message.wParam);
        }
    }
    OleUninitialize();
    return exitCode;
}
