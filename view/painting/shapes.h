// The outlines the core draws itself, in the layout pixels of an arrow cell: the keyboard's
// marker (a wash and a ring inside the cell) and each arrow pointer's two lines, outline and
// inner line, from ArrowDown on.
#pragma once

#include "view/render/outline_file.h"
#include "view/window/window_model.h"

#include <vector>

namespace pirandella {

enum ShapeIndex { markerWash, markerRing, pointerShapes };
constexpr int PointerShape(Pointer p, int line) {
    return pointerShapes + 2 * (static_cast<int>(p) - 1) + line;
}
inline constexpr int markerCellPixels = 34;
std::vector<Outline> Shapes();

} // namespace pirandella
