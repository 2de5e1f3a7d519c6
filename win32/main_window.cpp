#include "win32/main_window.h"

#include "ui/keyboard.h"
#include "win32/accessible.h"
#include "win32/resources.h"
#include "win32/text.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace pirandella {

namespace {

constexpr wchar_t windowClass[] = L"pirandella";
constexpr UINT_PTR timerId = 1;
constexpr UINT firstCommand = IDM_FIRST_COMMAND; // menu command i is firstCommand + i
constexpr DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr double baseDpi = 96;

void RegisterClassOnce(HINSTANCE instance, WNDPROC procedure) {
    WNDCLASSEXW c{};
    if (GetClassInfoExW(instance, windowClass, &c)) return;
    c.cbSize = sizeof c;
    c.style = CS_HREDRAW | CS_VREDRAW;
    c.hInstance = instance;
    c.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_PIRANDELLA));
    c.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(IDI_PIRANDELLA),
                                              IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                              GetSystemMetrics(SM_CYSMICON), 0));
    c.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    c.lpszClassName = windowClass;
    c.lpfnWndProc = procedure;
    RegisterClassExW(&c);
}

std::optional<Key> KeyOf(WPARAM virtualKey, bool control) {
    if (control) {
        if (virtualKey == 'Z') return Key::CtrlZ;
        if (virtualKey == 'N') return Key::CtrlN;
        return std::nullopt;
    }
    switch (virtualKey) {
    case VK_LEFT:
        return Key::Left;
    case VK_RIGHT:
        return Key::Right;
    case VK_UP:
        return Key::Up;
    case VK_DOWN:
        return Key::Down;
    case VK_RETURN:
        return Key::Enter;
    case VK_SPACE:
        return Key::Space;
    case VK_ESCAPE:
        return Key::Escape;
    case VK_F10:
        return Key::F10;
    case VK_F1:
        return Key::F1;
    case VK_F2:
        return Key::F2;
    default:
        return std::nullopt;
    }
}

} // namespace

ScreenMetrics MeasureScreen() {
    const double dpr = GetDpiForSystem() / baseDpi;
    ScreenMetrics m;
    m.twipsPerPixelX = m.twipsPerPixelY = TwipsPerPixel(baseDpi);
    m.widthTwips = GetSystemMetrics(SM_CXSCREEN) / dpr * m.twipsPerPixelX;
    m.heightTwips = GetSystemMetrics(SM_CYSCREEN) / dpr * m.twipsPerPixelY;
    return m;
}

MainWindow::MainWindow(HINSTANCE instance, Session session)
    : session_(std::move(session)), pictures_(instance), dpi_(static_cast<int>(GetDpiForSystem())) {
    pictures_.artwork(); // read first: a damaged outline file stops the game before a window
    RegisterClassOnce(instance, &Procedure);
    menu_ = CreateMenu();
    for (UINT id = 0; id < 4; ++id)
        AppendMenuW(menu_, MF_STRING, firstCommand + id, Widen(CommandCaptions()[id][0]).c_str());
    const WindowModel design = DesignWindow();
    hwnd_ = CreateWindowExW(0, windowClass, Widen(design.form.caption).c_str(), style,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr,
                            menu_, instance, this);
    if (!hwnd_) return;
    dpi_ = static_cast<int>(GetDpiForWindow(hwnd_));
    // The frame, title and menu bar are part of the window's outer size, which the scaling
    // centres on the screen; the first puzzle stands before the window is shown.
    measureChrome();
    StartGame(session_);
    const WindowModel w = WindowOf(session_);
    const SIZE outer = outerSize();
    const double dpr = dpi_ / baseDpi;
    const TwipsScale tpp = session_.view.screen.twipsPerPixel();
    int x = CW_USEDEFAULT, y = CW_USEDEFAULT;
    if (Scaled(session_.view.screen)) {
        x = static_cast<int>(std::lround(TwipsToPixels(w.form.left, tpp.x) * dpr));
        y = static_cast<int>(std::lround(TwipsToPixels(w.form.top, tpp.y) * dpr));
    }
    SetWindowPos(hwnd_, nullptr, x == CW_USEDEFAULT ? 0 : x, y == CW_USEDEFAULT ? 0 : y, outer.cx,
                 outer.cy, SWP_NOZORDER | SWP_NOACTIVATE | (x == CW_USEDEFAULT ? SWP_NOMOVE : 0));
    front_.reflect();
    fitMenuBar();
}

MainWindow::~MainWindow() {
    if (accessible_) accessible_->detach();
    if (hwnd_) DestroyWindow(hwnd_);
    if (bufferDc_) DeleteDC(bufferDc_);
    if (buffer_) DeleteObject(buffer_);
}

// The design stands in the middle of the client area, which is wider only when the menu bar
// needs it.
PaintSetup MainWindow::setup() const {
    PaintSetup at;
    at.devicePixelRatio = dpi_ / baseDpi;
    at.twipsPerPixel = session_.view.screen.twipsPerPixel();
    const PixelRect design = ClientBounds(WindowOf(session_).form, at.twipsPerPixel);
    at.designWidth = design.width;
    at.designHeight = design.height;
    RECT client{0, 0, 0, 0};
    if (hwnd_) GetClientRect(hwnd_, &client);
    const double width = std::max<double>(design.width, client.right / at.devicePixelRatio);
    at.originX = static_cast<int>((width - design.width) / 2);
    at.area = {0, 0, width, static_cast<double>(design.height)};
    return at;
}

SIZE MainWindow::outerSize() const {
    const PaintSetup at = setup();
    const LONG width = static_cast<LONG>(std::lround(at.designWidth * at.devicePixelRatio));
    RECT r{0, 0, std::max(width, menuWidth_),
           static_cast<LONG>(std::lround(at.designHeight * at.devicePixelRatio))};
    AdjustWindowRectExForDpi(&r, style, TRUE, 0, static_cast<UINT>(dpi_));
    return {r.right - r.left, r.bottom - r.top};
}

// A large menu font widens the window rather than wrap the menu bar onto a second line, which
// would cut the board's bottom off.
void MainWindow::fitMenuBar() {
    LONG width = 0;
    for (UINT i = 0; i < 4; ++i) {
        RECT item{};
        if (!GetMenuItemRect(hwnd_, menu_, i, &item)) return;
        width += item.right - item.left;
    }
    const LONG needed = width + GetSystemMetricsForDpi(SM_CXEDGE, static_cast<UINT>(dpi_)) * 2;
    if (needed == menuWidth_) return;
    menuWidth_ = needed;
    const SIZE outer = outerSize();
    SetWindowPos(hwnd_, nullptr, 0, 0, outer.cx, outer.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOMOVE);
}

void MainWindow::measureChrome() {
    RECT r{0, 0, 0, 0};
    AdjustWindowRectExForDpi(&r, style, TRUE, 0, static_cast<UINT>(dpi_));
    const double dpr = dpi_ / baseDpi;
    session_.view.chromeWidth = static_cast<int>(std::lround((r.right - r.left) / dpr));
    session_.view.chromeHeight = static_cast<int>(std::lround((r.bottom - r.top) / dpr));
}

bool MainWindow::boardHasKeys() const {
    return !menuOpen_ && GetFocus() == hwnd_;
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
        HDC dc = BeginPaint(hwnd_, &ps);
        paint(dc);
        EndPaint(hwnd_, &ps);
        return 0;
    }
    case WM_PRINTCLIENT:
        paint(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_ERASEBKGND:
        return 1; // every pixel is painted
    case WM_COMMAND:
        if (HIWORD(wParam) == 0 && LOWORD(wParam) >= firstCommand &&
            LOWORD(wParam) < firstCommand + 4) {
            front_.command(static_cast<Command>(LOWORD(wParam) - firstCommand));
            return 0;
        }
        break;
    case WM_TIMER:
        if (wParam == timerId) front_.tick();
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP: {
        const ElementRef at = ElementAtDevicePixel(WindowOf(session_), setup(),
                                                   static_cast<short>(LOWORD(lParam)) + 0.5,
                                                   static_cast<short>(HIWORD(lParam)) + 0.5);
        if (message == WM_LBUTTONDOWN) {
            front_.press(at);
            SetCapture(hwnd_);
        } else {
            ReleaseCapture();
            front_.release(at);
        }
        return 0;
    }
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT) {
            POINT p;
            GetCursorPos(&p);
            ScreenToClient(hwnd_, &p);
            const WindowModel w = WindowOf(session_);
            const ElementRef at = ElementAtDevicePixel(w, setup(), p.x + 0.5, p.y + 0.5);
            const bool arrow = at.kind == ElementRef::Arrow;
            SetCursor(
                pictures_.cursor(arrow ? w.arrows[at.index].pointer : Pointer::Default, dpi_));
            return TRUE;
        }
        break;
    case WM_KEYDOWN:
        if (key(wParam)) return 0;
        break;
    case WM_SYSKEYDOWN: // F10; Windows itself opens the menu bar for Alt
        if (wParam == VK_F10 && key(wParam)) return 0;
        break;
    case WM_ENTERMENULOOP:
    case WM_EXITMENULOOP:
        menuOpen_ = message == WM_ENTERMENULOOP;
        InvalidateRect(hwnd_, nullptr, FALSE); // the marker shows only while the board has the keys
        tellScreenReader({});
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        InvalidateRect(hwnd_, nullptr, FALSE);
        break;
    case WM_GETOBJECT:
        if (static_cast<LONG>(lParam) == OBJID_CLIENT) {
            if (!accessible_) accessible_ = new BoardAccessible(*this);
            // __uuidof, not IID_IAccessible: MinGW's oleacc import library makes that name
            // a jump into the DLL rather than the interface's identifier.
            return LresultFromObject(__uuidof(IAccessible), wParam, accessible_);
        }
        break;
    case WM_DPICHANGED: {
        // Moved to a monitor of another scale: the same design at that monitor's pixels.
        dpi_ = HIWORD(wParam);
        menuWidth_ = 0; // measured again in the new size's font
        const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
        const SIZE outer = outerSize();
        SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top, outer.cx, outer.cy,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        fitMenuBar();
        InvalidateRect(hwnd_, nullptr, FALSE);
        return 0;
    }
    case WM_CLOSE:
        DestroyWindow(hwnd_);
        return 0;
    case WM_DESTROY:
        KillTimer(hwnd_, timerId);
        if (accessible_) accessible_->detach();
        accessible_ = nullptr;
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

void MainWindow::paint(HDC dc) {
    RECT client;
    GetClientRect(hwnd_, &client);
    const SIZE size{client.right, client.bottom};
    if (size.cx <= 0 || size.cy <= 0) return;
    if (!buffer_ || size.cx != bufferSize_.cx || size.cy != bufferSize_.cy) {
        if (buffer_) DeleteObject(buffer_);
        if (!bufferDc_) bufferDc_ = CreateCompatibleDC(dc);
        BITMAPINFO info{};
        info.bmiHeader = {
            sizeof(BITMAPINFOHEADER), size.cx, -size.cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        buffer_ = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bufferBits_, nullptr, 0);
        bufferSize_ = size;
        if (!buffer_) return;
    }
    RasterCanvas canvas({size.cx, size.cy, static_cast<std::uint32_t*>(bufferBits_)},
                        pictures_.artwork(), pictures_);
    PaintWindow(canvas, WindowOf(session_), pictures_.artwork(), setup(),
                boardHasKeys() ? session_.view.marker : -1);
    const HGDIOBJ old = SelectObject(bufferDc_, buffer_);
    BitBlt(dc, 0, 0, size.cx, size.cy, bufferDc_, 0, 0, SRCCOPY);
    SelectObject(bufferDc_, old);
}

// Arrow keys move the marker, Enter or Space turns its line or closes the page, Ctrl+Z, Ctrl+N,
// F1 and F2 run their commands; F10 opens the menu bar, and Alt does so by Windows' own doing.
bool MainWindow::key(WPARAM virtualKey) {
    const bool control = GetKeyState(VK_CONTROL) < 0;
    const std::optional<Key> k = KeyOf(virtualKey, control);
    return k && front_.key(*k);
}

void MainWindow::openMenuBar() {
    PostMessageW(hwnd_, WM_SYSCOMMAND, SC_KEYMENU, 0); // as Alt does: the first command chosen
}

void MainWindow::showCaption(Command c, const std::string& caption) {
    const UINT id = firstCommand + static_cast<UINT>(c);
    ModifyMenuW(menu_, id, MF_BYCOMMAND | MF_STRING, id, Widen(caption).c_str());
    if (!hwnd_) return;
    DrawMenuBar(hwnd_);
    fitMenuBar();
}

void MainWindow::runTimer(bool running, int intervalMs) {
    if (!hwnd_) return;
    if (running)
        SetTimer(hwnd_, timerId, static_cast<UINT>(intervalMs), nullptr);
    else
        KillTimer(hwnd_, timerId);
}

void MainWindow::repaint() {
    if (hwnd_) InvalidateRect(hwnd_, nullptr, FALSE);
}

// Tells a screen reader what changed: nodes that came or went, new names, the focus on another
// node, and what the event has to say, as an alert.
void MainWindow::tellScreenReader(const std::string& announcement) {
    if (!hwnd_) return;
    const std::vector<AccessibleNode> nodes =
        AccessibleNodes(session_.game, session_.view, boardHasKeys());
    const AccessibleChanges changes = watch_.look(nodes);
    auto childId = [&](ElementRef ref) -> LONG {
        for (std::size_t i = 0; i < nodes.size(); ++i)
            if (nodes[i].ref == ref) return static_cast<LONG>(i + 1);
        return CHILDID_SELF;
    };
    if (!changes.removed.empty() || !changes.added.empty())
        NotifyWinEvent(EVENT_OBJECT_REORDER, hwnd_, OBJID_CLIENT, CHILDID_SELF);
    for (const ElementRef& ref : changes.renamed)
        NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, hwnd_, OBJID_CLIENT, childId(ref));
    if (changes.focusMoved && boardHasKeys())
        NotifyWinEvent(EVENT_OBJECT_FOCUS, hwnd_, OBJID_CLIENT, childId(changes.focus));
    if (announcement.empty()) return;
    said_ = announcement; // the alert after the nodes
    NotifyWinEvent(EVENT_SYSTEM_ALERT, hwnd_, OBJID_CLIENT, static_cast<LONG>(nodes.size() + 1));
}

} // namespace pirandella
