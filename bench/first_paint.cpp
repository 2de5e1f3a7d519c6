// Starts a Windows program and measures, on Windows' own clock, the time until its window is
// shown and painted (nothing left to paint), looking every millisecond. Prints the milliseconds,
// then closes the window. Usage: first_paint <program.exe>
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

struct Search {
    DWORD process;
    HWND found = nullptr;
};

// The program's shown top-level window.
BOOL CALLBACK Look(HWND hwnd, LPARAM search) {
    auto* s = reinterpret_cast<Search*>(search);
    DWORD process = 0;
    GetWindowThreadProcessId(hwnd, &process);
    if (process != s->process || !IsWindowVisible(hwnd)) return TRUE;
    s->found = hwnd;
    return FALSE;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) return 2;
    LARGE_INTEGER frequency, start, painted;
    QueryPerformanceFrequency(&frequency);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION game{};
    std::wstring command = L"\"" + std::wstring(argv[1]) + L"\"";
    QueryPerformanceCounter(&start);
    if (!CreateProcessW(argv[1], command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &game))
        return 1;
    HWND window = nullptr;
    for (int i = 0; i < 30000 && !window; ++i) {
        Search search{game.dwProcessId};
        EnumWindows(Look, reinterpret_cast<LPARAM>(&search));
        if (search.found && !GetUpdateRect(search.found, nullptr, FALSE))
            window = search.found;
        else
            Sleep(1);
    }
    QueryPerformanceCounter(&painted);
    const bool shown = window != nullptr;
    std::printf("%.2f\n", 1000.0 * (painted.QuadPart - start.QuadPart) / frequency.QuadPart);
    if (window) PostMessageW(window, WM_CLOSE, 0, 0);
    WaitForSingleObject(game.hProcess, 10000);
    CloseHandle(game.hThread);
    CloseHandle(game.hProcess);
    return shown ? 0 : 1;
}
