#include "win32/main_window.h"
#include "win32/text.h"

#include <windows.h>

#include <objbase.h>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    // COM decodes the photograph and carries the screen reader's calls.
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 1;
    int exitCode = 1;
    {
        pirandella::Pictures pictures(instance);
        // A build with a missing or damaged picture says so before any window of the game.
        if (const std::string why = pictures.readArtwork(); !why.empty()) {
            const std::wstring told = pirandella::Widen(pirandella::cannotStart + ("\n\n" + why));
            MessageBoxW(nullptr, told.c_str(), L"pirandella", MB_ICONERROR);
        } else if (pirandella::MainWindow window(instance, pictures); window.handle()) {
            ShowWindow(window.handle(), show);
            MSG message;
            while (GetMessageW(&message, nullptr, 0, 0) > 0) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
            exitCode = static_cast<int>(message.wParam);
        }
    }
    CoUninitialize();
    return exitCode;
}
