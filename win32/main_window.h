// The game's window on Windows. It hands the midend the window's events (the mouse, the keys, the
// menu bar's commands, the playback clock's WM_TIMER) and shows what the midend tells it: the
// menu captions, the clock running or not, a repaint through the back buffer, what a screen
// reader must hear. It works in device pixels only: the midend gives its size and its place on
// the screen, and where the board stands on its client area.
#pragma once

#include "ui/midend.h"
#include "win32/back_buffer.h"
#include "win32/pictures.h"
#include "win32/screen_reader.h"

#include <windows.h>

#include <optional>
#include <utility>

namespace pirandella {

class MainWindow : public Platform {
  public:
    // The first puzzle stands before the window, which is made hidden.
    MainWindow(HINSTANCE instance, Pictures& pictures);
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    HWND handle() const { return hwnd_; }
    Midend& midend() { return midend_; }
    // Whether the board has the keys: the window is active and its menu bar is not open.
    bool boardHasKeys() const { return !menuOpen_ && GetFocus() == hwnd_; }

    void showCaption(Command c, const std::string& caption) override;
    void runClock(int intervalMs) override;
    void repaint() override {
        if (hwnd_) InvalidateRect(hwnd_, nullptr, FALSE);
    }
    void tellScreenReader(const std::string& announcement) override {
        if (reader_) reader_->tell(announcement);
    }
    // As Alt does: the keys to the menu bar, its first command chosen.
    void openMenuBar() override { PostMessageW(hwnd_, WM_SYSCOMMAND, SC_KEYMENU, 0); }

  private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT on(UINT message, WPARAM wParam, LPARAM lParam);
    // The outer size for the board's client area, widened for the menu bar; moved to `corner`.
    void resize(std::optional<std::pair<int, int>> corner = std::nullopt);
    void fitMenuBar();
    void fitSurface();
    void paint(HDC dc);
    double ratio() const { return dpi_ / 96.0; } // device pixels per layout pixel

    Midend midend_;
    Pictures& pictures_;
    BackBuffer buffer_;
    ScreenReader* reader_ = ScreenReader::Of(*this); // let go when the window goes
    HWND hwnd_ = nullptr;
    HMENU menu_ = nullptr;
    int dpi_ = static_cast<int>(GetDpiForSystem());
    LONG menuWidth_ = 0; // device pixels the menu bar's commands need on one line
    bool menuOpen_ = false;
};

} // namespace pirandella
