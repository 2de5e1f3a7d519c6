#include "view/painting/pointer_shape.h"

#include <algorithm>
#include <cmath>

namespace pirandella {

namespace {

// Maps a point of the arrow pointing down to the arrow pointing the given way.
OutlinePoint Turn(Pointer p, OutlinePoint q) {
    switch (p) {
    case Pointer::ArrowUp:
        return {q.x, 14 - q.y};
    case Pointer::ArrowRight:
        return {q.y, q.x};
    case Pointer::ArrowLeft:
        return {14 - q.y, q.x};
    default:
        return q;
    }
}

} // namespace

std::array<PointerLine, 2> PointerLines(Pointer p) {
    std::array<PointerLine, 2> lines{
        PointerLine{{{{5, 0}, {9, 0}, {9, 7}, {13, 7}, {7, 13}, {1, 7}, {5, 7}, {5, 0}}},
                    {0, 0, 0}},
        PointerLine{{{{6, 1}, {8, 1}, {8, 8}, {11, 8}, {7, 12}, {3, 8}, {6, 8}, {6, 1}}},
                    {200, 200, 200}}};
    for (PointerLine& line : lines)
        for (OutlinePoint& point : line.points) point = Turn(p, point);
    return lines;
}

Outline PixelLineOutline(const PointerLine& line, double scale, double offset) {
    Outline o;
    o.fill = Outline::Fill::NonZero;
    for (std::size_t i = 0; i + 1 < line.points.size(); ++i) {
        const OutlinePoint a = line.points[i], b = line.points[i + 1];
        const int steps = static_cast<int>(std::max(std::abs(b.x - a.x), std::abs(b.y - a.y)));
        for (int k = 0; k <= steps; ++k) {
            const double x = (offset + a.x + (b.x - a.x) * k / std::max(steps, 1)) * scale;
            const double y = (offset + a.y + (b.y - a.y) * k / std::max(steps, 1)) * scale;
            // One pixel's square (push_back, not a vector's insert: much less code to carry).
            const OutlinePoint corners[] = {
                {x, y}, {x + scale, y}, {x + scale, y + scale}, {x, y + scale}};
            for (const OutlinePoint& p : corners) {
                o.steps.push_back(&p == corners ? Outline::Step::Move : Outline::Step::Line);
                o.points.push_back(p);
            }
        }
    }
    return o;
}

PixelImage WholeScalePointerPicture(Pointer p, int scale) {
    const int side = pointerSize * scale;
    PixelImage image{side, side, std::vector<std::uint32_t>(static_cast<std::size_t>(side) * side)};
    for (const PointerLine& line : PointerLines(p)) {
        const std::uint32_t colour = Premultiplied(line.colour);
        // The layout pixels PixelLineOutline makes squares of, each step to the next.
        for (std::size_t i = 0; i + 1 < line.points.size(); ++i) {
            const OutlinePoint a = line.points[i], b = line.points[i + 1];
            const int steps = static_cast<int>(std::max(std::abs(b.x - a.x), std::abs(b.y - a.y)));
            for (int k = 0; k <= steps; ++k) {
                const int x = static_cast<int>(a.x + (b.x - a.x) * k / std::max(steps, 1));
                const int y = static_cast<int>(a.y + (b.y - a.y) * k / std::max(steps, 1));
                for (int row = y * scale; row < (y + 1) * scale; ++row)
                    for (int column = x * scale; column < (x + 1) * scale; ++column)
                        image.pixels[static_cast<std::size_t>(row) * side + column] = colour;
            }
        }
    }
    return image;
}

OutlinePoint PointerTip(Pointer p) {
    return Turn(p, {7, 13});
}

OutlinePoint PointerTipAt(Pointer p, double devicePixelRatio) {
    const OutlinePoint tip = PointerTip(p);
    return {std::floor((tip.x + 0.5) * devicePixelRatio),
            std::floor((tip.y + 0.5) * devicePixelRatio)};
}

} // namespace pirandella
