#include "view/window_model.h"

#include <cmath>

namespace pirandella {

namespace {

// The factors from the design's 12 twips per pixel to the screen's, each axis on its own (the
// vertical one in single precision, as the layout's numbers are).
struct Factors {
    double x;
    float y;
};

Factors FactorsOf(const ScreenMetrics& screen) {
    return {screen.twipsPerPixelX / designTwipsPerPixel,
            static_cast<float>(screen.twipsPerPixelY / designTwipsPerPixel)};
}

template <typename Element> void ScaleElement(Element& e, Factors f) {
    e.top = e.top * f.y;
    e.left = static_cast<float>(e.left * f.x);
    e.width = static_cast<float>(e.width * f.x);
    e.height = e.height * f.y;
}

} // namespace

bool Scaled(const ScreenMetrics& screen) {
    const Factors f = FactorsOf(screen);
    return !(f.x == 1 && f.y == 1);
}

void ScaleToScreen(WindowModel& w, const ScreenMetrics& screen) {
    if (!Scaled(screen)) return;
    const Factors f = FactorsOf(screen);
    for (ImageElement& e : w.tiles) ScaleElement(e, f);
    for (ImageElement& e : w.arrows) ScaleElement(e, f);
    ScaleElement(w.page, f);
    ScaleElement(w.message, f);
    w.message.fontSize = std::floor(w.message.fontSize * f.y);
}

// The window's outer size, frame, title and menu bar included; on a scaled screen centred on it.
// No bound: a window larger than the screen starts partly off it.
void PlaceWindow(WindowModel& w, const ScreenMetrics& screen, int chromeWidth, int chromeHeight) {
    const bool scaled = Scaled(screen);
    const Factors f = scaled ? FactorsOf(screen) : Factors{1, 1};
    FormElement& form = w.form;
    form.chromeWidth = chromeWidth;
    form.chromeHeight = chromeHeight;
    form.width = static_cast<float>((designClientWidth + designTwipsPerPixel * chromeWidth) * f.x);
    form.height = (designClientHeight + designTwipsPerPixel * chromeHeight) * f.y;
    if (!scaled) return;
    form.top = static_cast<float>((screen.heightTwips - form.height) / 2);
    form.left = static_cast<float>((screen.widthTwips - form.width) / 2);
}

} // namespace pirandella
