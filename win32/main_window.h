// The game's window on Windows: owns the game, its menu bar and its timer, paints the window
// model into a DIB section, and after every event brings the window in line with the model.
#pragma once

#include "ui/front_end.h"
#include "view/accessible_view.h"
#include "view/painting.h"
#include "win32/pictures.h"

#include <windows.h>

namespace pirandella {

class BoardAccessible;

// The screen as the game measures it: the primary monitor in pixels of 96 dpi, the unit
// Windows scales from; the monitor's own DPI is the display scale over that.
ScreenMetrics MeasureScreen();

class MainWindow : public Platform {
  public:
    MainWindow(HINSTANCE instance, Session session);
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    HWND handle() const { return hwnd_; }
    Session& session() { return session_; }
    // Where the window stands: its display scale and the layout's resolution.
    PaintSetup setup() const;
    // Whether the board has the keys (the window is active and its menu bar is not open).
    bool boardHasKeys() const;
    // A press of an element as a click on it: what the screen reader's default action does.
    void click(ElementRef ref) { front_.click(ref); }
    // What the game last said, for the screen reader; empty before it has said anything.
    const std::string& said() const { return said_; }

    // What the core asks of the platform.
    void showCaption(Command c, const std::string& caption) override;
    void runTimer(bool running, int intervalMs) override;
    void repaint() override;
    void tellScreenReader(const std::string& announcement) override;
    void openMenuBar() override;

  private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT on(UINT message, WPARAM wParam, LPARAM lParam);
    void paint(HDC dc);
    bool key(WPARAM virtualKey);
    // The window's outer size for the client area at the current DPI, and the chrome around it.
    SIZE outerSize() const;
    void fitMenuBar();
    void measureChrome();

    Session session_;
    FrontEnd front_{session_, *this};
    Pictures pictures_;
    HWND hwnd_ = nullptr;
    HMENU menu_ = nullptr;
    int dpi_ = 96;
    LONG menuWidth_ = 0; // device pixels the menu bar's commands need on one line
    bool menuOpen_ = false;
    AccessibleWatch watch_;
    std::string said_;
    BoardAccessible* accessible_ = nullptr;
    // The back buffer, kept between paints.
    HDC bufferDc_ = nullptr;
    HBITMAP buffer_ = nullptr;
    void* bufferBits_ = nullptr;
    SIZE bufferSize_{};
};

} // namespace pirandella
