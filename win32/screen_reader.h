// The board as a screen reader (Narrator, NVDA) finds it through MSAA: the window's client area is
// a table whose children are the midend's accessible nodes, each a simple element numbered from 1
// in the nodes' order, and after them, once the game has said something, an alert holding its
// words. Arrow cells and the page take the default action, a click. After each change the reader
// is told through WinEvents what came, went, took another name or the focus, and what was said.
#pragma once

#include <windows.h>

#include <oleacc.h>

#include <string>

namespace pirandella {

class MainWindow;

class ScreenReader : public IAccessible {
  public:
    // The window's accessible object, made with one reference: the window's.
    static ScreenReader* Of(MainWindow& window);
    // What changed since the last look, and what the event has to say (empty when nothing).
    virtual void tell(const std::string& announcement) = 0;
    // The window is going: later calls fail politely, and the window's reference is let go.
    virtual void detach() = 0;
};

} // namespace pirandella
