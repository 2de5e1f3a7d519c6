#include "win32/main_window.h"
#include "win32/text.h"

#include <windows.h>

#include <objbase.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    // COM decodes the photograph and carries the screen reader's calls.
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 1;
    int exitCode = 1;
    try {
        pirandella::Session session;
        session.view.screen = pirandella::MeasureScreen();
        pirandella::MainWindow window(instance, std::move(session));
        if (window.handle()) {
            ShowWindow(window.handle(), show);
            MSG message;
            while (GetMessageW(&message, nullptr, 0, 0) > 0) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
            exitCode = static_cast<int>(message.wParam);
        }
    } catch (const pirandella::OutlineError& e) { // a build with a missing or damaged picture
        const std::string told = std::string("pirandella non può partire.\n\n") + e.what();
        MessageBoxW(nullptr, pirandella::Widen(told).c_str(), L"pirandella", MB_ICONERROR);
    }
    CoUninitialize();
    return exitCode;
}
