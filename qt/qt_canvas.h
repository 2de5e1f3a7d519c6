// The core's drawing interface on a QPainter.
#pragma once

#include "qt/pictures.h"
#include "ui/midend.h"

#include <QPainter>

namespace pirandella {

// Paints the board on a widget whose top-left corner lies at `inWindow` in the window, in its
// pixels. Frames, pictures and outlines go in the window's device pixels; the photograph and a
// box whose edges fall between pixels in the widget's own pixels, as Qt lays them out.
void PaintOnQt(QPaintDevice* on, Midend& midend, Pictures& pictures, qreal dpr, QPoint inWindow);

} // namespace pirandella
