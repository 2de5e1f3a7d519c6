// A bare Win32 window with the game's menu bar and a painted client area and nothing else, to
// measure the game's start against under Wine.
#include <windows.h>

#include <initializer_list>

namespace {

LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        FillRect(dc, &ps.rcPaint, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        EndPaint(hwnd, &ps);
        return 0;
    }
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    WNDCLASSW c{};
    c.hInstance = instance;
    c.lpfnWndProc = Procedure;
    c.lpszClassName = L"bare";
    c.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    RegisterClassW(&c);
    HMENU menu = CreateMenu();
    for (const wchar_t* caption : {L"Soluzione", L"Nuovo schema", L"Istruzioni", L"Annulla mossa"})
        AppendMenuW(menu, MF_STRING, 0, caption);
    HWND hwnd =
        CreateWindowW(L"bare", L"bare", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, CW_USEDEFAULT,
                      CW_USEDEFAULT, 407, 469, nullptr, menu, instance, nullptr);
    ShowWindow(hwnd, show);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    return 0;
}
