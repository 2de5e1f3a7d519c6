// The game's window on Windows: owns the game, its menu bar and its timer, paints the window
// model into a DIB section, and after every event brings the window in line with the model.
#pragma once

#include "engine/game.h"
#include "view/accessible_view.h"
#include "view/painting.h"
#include "win32/pictures.h"

#include <windows.h>

namespace pirandella {

class BoardAccessible;

// The screen as the game measures it: the primary monitor in pixels of 96 dpi, the unit
// Windows scales from; the monitor's own DPI is the display scale over that.
ScreenMetrics MeasureScreen();

class MainWindow {
  public:
    MainWindow(HINSTANCE instance, Game game);
    ~MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    HWND handle() const { return hwnd_; }
    Game& game() { return game_; }
    // Where the window stands: its display scale and the layout's resolution.
    PaintSetup setup() const;
    // Whether the board has the keys (the window is active and its menu bar is not open).
    bool boardHasKeys() const;
    // A press of an element as a click on it: what the screen reader's default action does.
    void click(ElementRef ref);

  private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT on(UINT message, WPARAM wParam, LPARAM lParam);
    void paint(HDC dc);
    void handle(void (*handler)(Game&));
    void key(WPARAM virtualKey, bool system);
    void reflect();
    void fitLabelToCaption();
    void announceChanges();
    // The window's outer size for the client area at the current DPI, and the chrome around it.
    SIZE outerSize() const;
    void measureChrome();

    Game game_;
    Pictures pictures_;
    HWND hwnd_ = nullptr;
    HMENU menu_ = nullptr;
    int dpi_ = 96;
    bool timerRunning_ = false;
    bool menuOpen_ = false;
    std::string fittedCaption_;
    ElementRef pressed_;
    AccessibleWatch watch_;
    BoardAccessible* accessible_ = nullptr;
    // The back buffer, kept between paints.
    HDC bufferDc_ = nullptr;
    HBITMAP buffer_ = nullptr;
    void* bufferBits_ = nullptr;
    SIZE bufferSize_{};
};

} // namespace pirandella
