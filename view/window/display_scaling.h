// Display scaling: the window was laid out at 12 twips per pixel; on another screen every place
// and size is multiplied so that each square keeps its design pixels, and the window is centred.
// The one place where the design's twips meet the platform's pixels.
#pragma once

#include "view/window/window_model.h"

#include <optional>

namespace pirandella {

// The screen as the platform measures it: its logical resolution along each axis (dots per inch)
// and its size in its own pixels.
ScreenMetrics ScreenOf(double dotsPerInchX, double dotsPerInchY, double width, double height);
bool Scaled(const ScreenMetrics& screen);
void ScaleToScreen(WindowModel& w, const ScreenMetrics& screen);
// The outer size for the platform's chrome, and on a scaled screen the window centred on it.
void PlaceWindow(WindowModel& w, const ScreenMetrics& screen, int chromeWidth, int chromeHeight);

// Where the window goes, in the platform's pixels (`scale` of them to a pixel of the layout): the
// client area the board needs, the outer size with the chrome, and on a scaled screen the outer
// corner that centres it; none where the platform places it.
struct WindowPlace {
    int clientWidth = 0, clientHeight = 0;
    int outerWidth = 0, outerHeight = 0;
    std::optional<std::pair<int, int>> corner;
};
WindowPlace WindowPlaceOf(const WindowModel& w, const ScreenMetrics& screen, double scale = 1);

} // namespace pirandella
