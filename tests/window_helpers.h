// What the window tests share: games of a chosen size, and clicks at an element's centre.
#pragma once

#include "game_fixtures.h"
#include "qt/main_window.h"

#include <QPoint>

namespace pirandella::testing {

// A new game whose first puzzle has size n.
Game GameOfSize(int n);
// An element's centre in the board widget's pixels.
QPoint CentreOf(MainWindow& w, const Square& e);
void ClickAt(MainWindow& w, QPoint p);
void ClickArrow(MainWindow& w, int index);

} // namespace pirandella::testing
