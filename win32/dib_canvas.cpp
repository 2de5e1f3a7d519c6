#include "win32/dib_canvas.h"

#include "win32/text.h"

#include <cmath>

namespace pirandella {

void DibCanvas::drawText(const std::string& utf8, const std::string& fontName, float points,
                         Colour c, double x, double top) {
    const double pixels = points * dpi_ / 72.0;
    CoverageMask mask = TextCoverage(dc_, pictures_.font(fontName, pixels), Widen(utf8));
    mask.box.x = static_cast<int>(std::lround(x));
    mask.box.y = static_cast<int>(std::lround(top));
    blend(std::move(mask), c);
}

} // namespace pirandella
