#include "view/window/display_scaling.h"

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

template <typename Placed> void ScaleElement(Placed& e, Factors f) {
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
    for (Square& e : w.tiles) ScaleElement(e, f);
    for (Square& e : w.arrows) ScaleElement(e, f);
    ScaleElement(w.page, f);
    ScaleElement(w.message, f);
    w.message.fontSize = std::floor(w.message.fontSize * f.y);
}

// The window's outer size, frame, title and menu bar included; on a scaled screen centred on it.
// No bound: a window larger than the screen starts partly off it.
void PlaceWindow(WindowModel& w, const ScreenMetrics& screen, int chromeWidth, int chromeHeight) {
    const bool scaled = Scaled(screen);
    const Factors f = scaled ? FactorsOf(screen) : Factors{1, 1};
    OuterWindow& outer = w.outer;
    outer.chromeWidth = chromeWidth;
    outer.chromeHeight = chromeHeight;
    outer.width = static_cast<float>((designClientWidth + designTwipsPerPixel * chromeWidth) * f.x);
    outer.height = (designClientHeight + designTwipsPerPixel * chromeHeight) * f.y;
    if (!scaled) return;
    outer.top = static_cast<float>((screen.heightTwips - outer.height) / 2);
    outer.left = static_cast<float>((screen.widthTwips - outer.width) / 2);
}

ScreenMetrics ScreenOf(double dotsPerInchX, double dotsPerInchY, double width, double height) {
    ScreenMetrics m;
    m.twipsPerPixelX = TwipsPerPixel(dotsPerInchX);
    m.twipsPerPixelY = TwipsPerPixel(dotsPerInchY);
    m.widthTwips = width * m.twipsPerPixelX;
    m.heightTwips = height * m.twipsPerPixelY;
    return m;
}

WindowPlace WindowPlaceOf(const WindowModel& w, const ScreenMetrics& screen, double scale) {
    const TwipsScale tpp = screen.twipsPerPixel();
    const auto platform = [scale](int layoutPixels) {
        return static_cast<int>(std::lround(layoutPixels * scale));
    };
    const PixelRect client = ClientBounds(w.outer, tpp);
    WindowPlace place;
    place.clientWidth = platform(client.width);
    place.clientHeight = platform(client.height);
    place.outerWidth = platform(TwipsToPixels(w.outer.width, tpp.x));
    place.outerHeight = platform(TwipsToPixels(w.outer.height, tpp.y));
    if (Scaled(screen))
        place.corner = {platform(TwipsToPixels(w.outer.left, tpp.x)),
                        platform(TwipsToPixels(w.outer.top, tpp.y))};
    return place;
}

} // namespace pirandella
