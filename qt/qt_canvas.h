// The core's drawing interface on a QPainter. Frames and pictures go in the window's device
// pixels; text, the marker and the photograph in the widget's own pixels, as Qt lays them out.
#pragma once

#include "qt/pictures.h"
#include "ui/session.h"

#include <QPainter>

namespace pirandella {

// Paints the board; `inWindow` is the widget's top-left corner in the window, in its pixels.
void PaintBoard(QPainter& painter, Pictures& pictures, QPoint inWindow, const Session& session,
                const PaintSetup& at);

} // namespace pirandella
