#include "view/painting/shapes.h"

#include "view/painting/pointer_shape.h"

#include <initializer_list>

namespace pirandella {

namespace {

// A box with rounded corners as one contour, each corner a quarter circle in one cubic.
void AddRoundedBox(Outline& o, double inset, double radius) {
    constexpr double k = 0.5523, side = markerCellPixels;
    const double c = radius * (1 - k), x0 = inset, y0 = inset, x1 = side - inset, y1 = side - inset;
    const auto add = [&o](Outline::Step step, std::initializer_list<OutlinePoint> points) {
        o.steps.push_back(step);
        for (const OutlinePoint& p : points) o.points.push_back(p);
    };
    add(Outline::Step::Move, {{x0 + radius, y0}});
    add(Outline::Step::Line, {{x1 - radius, y0}});
    add(Outline::Step::Cubic, {{x1 - c, y0}, {x1, y0 + c}, {x1, y0 + radius}});
    add(Outline::Step::Line, {{x1, y1 - radius}});
    add(Outline::Step::Cubic, {{x1, y1 - c}, {x1 - c, y1}, {x1 - radius, y1}});
    add(Outline::Step::Line, {{x0 + radius, y1}});
    add(Outline::Step::Cubic, {{x0 + c, y1}, {x0, y1 - c}, {x0, y1 - radius}});
    add(Outline::Step::Line, {{x0, y0 + radius}});
    add(Outline::Step::Cubic, {{x0, y0 + c}, {x0 + c, y0}, {x0 + radius, y0}});
}

} // namespace

std::vector<Outline> Shapes() {
    std::vector<Outline> shapes(2);
    for (const Pointer p :
         {Pointer::ArrowDown, Pointer::ArrowLeft, Pointer::ArrowRight, Pointer::ArrowUp})
        for (const PointerLine& line : PointerLines(p))
            shapes.push_back(PixelLineOutline(line, 1, (markerCellPixels - pointerSize) / 2));
    AddRoundedBox(shapes[markerWash], 6, 1.5); // three pixels wide, inside the cell's frame
    AddRoundedBox(shapes[markerRing], 3, 4.5);
    AddRoundedBox(shapes[markerRing], 6, 1.5);
    return shapes;
}

} // namespace pirandella
