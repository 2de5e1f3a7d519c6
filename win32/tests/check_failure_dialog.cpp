// Starts a pirandella.exe built with its letters file damaged or missing and checks what the
// player sees: a message box titled "pirandella" saying why the game cannot start, no window of
// the game, and once the box is closed the game ends with exit status 1.
//   check_failure_dialog GAME damaged|missing
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

struct Found {
    DWORD process;
    HWND box = nullptr;
    int others = 0; // visible top-level windows of the game besides the box
};

BOOL CALLBACK Look(HWND w, LPARAM param) {
    auto* found = reinterpret_cast<Found*>(param);
    DWORD owner = 0;
    GetWindowThreadProcessId(w, &owner);
    if (owner != found->process || !IsWindowVisible(w)) return TRUE;
    wchar_t cls[64] = {}, title[64] = {};
    GetClassNameW(w, cls, 64);
    GetWindowTextW(w, title, 64);
    if (std::wstring(cls) == L"#32770" && std::wstring(title) == L"pirandella")
        found->box = w;
    else
        ++found->others;
    return TRUE;
}

int Fail(const char* what) {
    std::printf("FAILED: %s\n", what);
    return 1;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) return Fail("usage: check_failure_dialog GAME damaged|missing");
    const std::wstring expected =
        std::wstring(L"pirandella non può partire.\n\n") +
        (std::wstring(argv[2]) == L"damaged"
             ? L"Il file letters.outlines è danneggiato: una coordinata è oltre ±1024, al byte 30."
             : L"Manca il file letters.outlines.");
    STARTUPINFOW start{};
    start.cb = sizeof start;
    PROCESS_INFORMATION game{};
    std::wstring command = L"\"" + std::wstring(argv[1]) + L"\"";
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &start, &game))
        return Fail("the game did not start");
    Found found{game.dwProcessId};
    for (int tries = 0; tries < 200 && !found.box; ++tries) {
        Sleep(100);
        found.others = 0;
        EnumWindows(Look, reinterpret_cast<LPARAM>(&found));
    }
    if (!found.box) return Fail("no message box titled pirandella");
    wchar_t text[512] = {};
    GetDlgItemTextW(found.box, 0xFFFF, text, 512); // a message box's text
    const bool says = expected == text;
    std::printf("%s: the box says why the game cannot start\n", says ? "ok" : "FAILED");
    std::printf("%s: no window of the game\n", found.others == 0 ? "ok" : "FAILED");
    PostMessageW(found.box, WM_COMMAND, IDOK, 0);
    DWORD status = 0;
    const bool ended = WaitForSingleObject(game.hProcess, 10000) == WAIT_OBJECT_0 &&
                       GetExitCodeProcess(game.hProcess, &status) && status == 1;
    std::printf("%s: the game ends with status 1 once the box is closed (%lu)\n",
                ended ? "ok" : "FAILED", status);
    return says && found.others == 0 && ended ? 0 : 1;
}
