#include "win32/main_window.h"

#include "ui/keyboard.h"
#include "win32/resources.h"
#include "win32/text.h"

#include <algorithm>
#include <utility>

namespace pirandella {

namespace {

constexpr wchar_t windowClass[] = L"pirandella";
constexpr UINT_PTR clockId = 1;
constexpr UINT firstCommand = IDM_FIRST_COMMAND; // menu command i is firstCommand + i
constexpr DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr double baseDpi = 96; // the unit Windows scales from

// Arrow keys move the marker, Enter or Space turns its line or closes the page, Ctrl+Z, Ctrl+N,
// F1 and F2 run their commands; F10 opens the menu bar, and Alt does so by Windows' own doing.
std::optional<Key> KeyOf(WPARAM virtualKey, bool control) {
    static constexpr std::pair<WPARAM, Key> keys[] = {
        {VK_LEFT, Key::Left},     {VK_RIGHT, Key::Right}, {VK_UP, Key::Up},   {VK_DOWN, Key::Down},
        {VK_RETURN, Key::Enter},  {VK_SPACE, Key::Space}, {VK_F10, Key::F10}, {VK_F1, Key::F1},
        {VK_ESCAPE, Key::Escape}, {VK_F2, Key::F2},       {'Z', Key::CtrlZ},  {'N', Key::CtrlN}};
    for (const auto& [code, key] : keys)
        if (code == virtualKey && control == (key == Key::CtrlZ || key == Key::CtrlN)) return key;
    return std::nullopt;
}

} // namespace

MainWindow::MainWindow(HINSTANCE instance, Pictures& pictures) : pictures_(pictures) {
    // The screen in pixels of 96 dpi; the monitor's own DPI is the display scale over that.
    const double system = GetDpiForSystem() / baseDpi;
    midend_.setScreen(ScreenOf(baseDpi, baseDpi, GetSystemMetrics(SM_CXSCREEN) / system,
                               GetSystemMetrics(SM_CYSCREEN) / system));
    WNDCLASSEXW c{};
    c.cbSize = sizeof c;
    c.style = CS_HREDRAW | CS_VREDRAW;
    c.lpfnWndProc = &Procedure;
    c.hInstance = instance;
    c.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_PIRANDELLA)); // the small one from it too
    c.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));       // IDC_ARROW
    c.lpszClassName = windowClass;
    RegisterClassExW(&c); // fails harmlessly when a window before this one registered it
    menu_ = CreateMenu();
    for (int id = 0; id < commandCount; ++id)
        AppendMenuW(menu_, MF_STRING, firstCommand + id,
                    Widen(midend_.window().captions[id]).c_str());
    hwnd_ = CreateWindowExW(0, windowClass, Widen(midend_.window().outer.title).c_str(), style,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                            menu_, instance, this);
    if (!hwnd_) return;
    dpi_ = static_cast<int>(GetDpiForWindow(hwnd_));
    // The frame, title and menu bar count in the window's outer size, which the scaling
    // centres on the screen.
    RECT chrome{0, 0, 0, 0};
    AdjustWindowRectExForDpi(&chrome, style, TRUE, 0, static_cast<UINT>(dpi_));
    midend_.setChrome(chrome.right - chrome.left, chrome.bottom - chrome.top, ratio());
    midend_.start();
    resize(midend_.windowPlace(ratio()).corner);
    midend_.setPlatform(*this);
}

MainWindow::~MainWindow() {
    if (hwnd_) DestroyWindow(hwnd_);
    if (reader_) reader_->detach(); // a window that was never made
}

void MainWindow::resize(std::optional<std::pair<int, int>> corner) {
    const WindowPlace place = midend_.windowPlace(ratio());
    RECT r{0, 0, std::max<LONG>(place.clientWidth, menuWidth_), place.clientHeight};
    AdjustWindowRectExForDpi(&r, style, TRUE, 0, static_cast<UINT>(dpi_));
    SetWindowPos(hwnd_, nullptr, corner ? corner->first : 0, corner ? corner->second : 0,
                 r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE | (corner ? 0 : SWP_NOMOVE));
}

// A large menu font widens the window rather than wrap the menu bar onto a second line, which
// would cut the board's bottom off.
void MainWindow::fitMenuBar() {
    LONG width = 0;
    for (int i = 0; i < commandCount; ++i) {
        RECT item{};
        if (!GetMenuItemRect(hwnd_, menu_, static_cast<UINT>(i), &item)) return;
        width += item.right - item.left;
    }
    const LONG needed = width + GetSystemMetricsForDpi(SM_CXEDGE, static_cast<UINT>(dpi_)) * 2;
    if (needed == menuWidth_) return;
    menuWidth_ = needed;
    resize();
}

// The design at its own size in the middle of the client area, which is wider only when the
// menu bar needs it.
void MainWindow::fitSurface() {
    RECT client{};
    GetClientRect(hwnd_, &client);
    midend_.setSurface({{0, 0, double(client.right), double(client.bottom)}, ratio()});
}

LRESULT CALLBACK MainWindow::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self =
            static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (message == WM_NCDESTROY && self) { // the window is gone; the game stays until the end
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
    }
    return self && message != WM_NCDESTROY ? self->on(message, wParam, lParam)
                                           : DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT MainWindow::on(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT ps;
        paint(BeginPaint(hwnd_, &ps));
        EndPaint(hwnd_, &ps);
        return 0;
    }
    case WM_PRINTCLIENT:
        paint(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_ERASEBKGND:
        return 1; // every pixel is painted
    case WM_SIZE:
        fitSurface();
        return 0;
    case WM_COMMAND:
        if (HIWORD(wParam) == 0 && LOWORD(wParam) >= firstCommand &&
            LOWORD(wParam) < firstCommand + commandCount) {
            midend_.command(static_cast<Command>(LOWORD(wParam) - firstCommand));
            return 0;
        }
        break;
    case WM_TIMER:
        if (wParam == clockId) midend_.tick();
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP: {
        const ElementRef at = midend_.elementAt(static_cast<short>(LOWORD(lParam)) + 0.5,
                                                static_cast<short>(HIWORD(lParam)) + 0.5);
        if (message == WM_LBUTTONDOWN) {
            midend_.press(at);
            SetCapture(hwnd_);
        } else {
            ReleaseCapture();
            midend_.release(at);
        }
        return 0;
    }
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT) {
            POINT p;
            GetCursorPos(&p);
            ScreenToClient(hwnd_, &p);
            SetCursor(pictures_.cursor(midend_.pointerAt(p.x + 0.5, p.y + 0.5), dpi_));
            return TRUE;
        }
        break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: // F10 only; Windows itself opens the menu bar for Alt
        if (message == WM_SYSKEYDOWN && wParam != VK_F10) break;
        if (const auto k = KeyOf(wParam, GetKeyState(VK_CONTROL) < 0); k && midend_.key(*k))
            return 0;
        break;
    case WM_ENTERMENULOOP:
    case WM_EXITMENULOOP:
        menuOpen_ = message == WM_ENTERMENULOOP;
        tellScreenReader({});
        [[fallthrough]];
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        InvalidateRect(hwnd_, nullptr, FALSE); // the marker shows only while the board has the keys
        break;
    case WM_GETOBJECT:
        // __uuidof, not IID_IAccessible: MinGW's oleacc import library makes that name a jump into
        // the DLL rather than the interface's identifier.
        if (static_cast<LONG>(lParam) == OBJID_CLIENT && reader_)
            return LresultFromObject(__uuidof(IAccessible), wParam, reader_);
        break;
    case WM_DPICHANGED: // moved to a monitor of another scale: the same design at its pixels
        dpi_ = HIWORD(wParam);
        menuWidth_ = 0; // measured again in the new size's font
        resize(std::pair<int, int>(reinterpret_cast<const RECT*>(lParam)->left,
                                   reinterpret_cast<const RECT*>(lParam)->top));
        fitMenuBar();
        fitSurface();
        InvalidateRect(hwnd_, nullptr, FALSE);
        return 0;
    case WM_DESTROY:
        KillTimer(hwnd_, clockId);
        if (reader_) reader_->detach();
        reader_ = nullptr;
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

void MainWindow::paint(HDC dc) {
    RECT client;
    GetClientRect(hwnd_, &client);
    buffer_.paint(dc, {client.right, client.bottom}, midend_, pictures_, boardHasKeys());
}

void MainWindow::showCaption(Command c, const std::string& caption) {
    const UINT id = firstCommand + static_cast<UINT>(c);
    ModifyMenuW(menu_, id, MF_BYCOMMAND | MF_STRING, id, Widen(caption).c_str());
    if (!hwnd_) return;
    DrawMenuBar(hwnd_);
    fitMenuBar();
}

void MainWindow::runClock(int intervalMs) {
    if (!hwnd_) return;
    if (intervalMs > 0)
        SetTimer(hwnd_, clockId, static_cast<UINT>(intervalMs), nullptr);
    else
        KillTimer(hwnd_, clockId);
}

} // namespace pirandella
