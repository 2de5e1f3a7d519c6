#include "engine/game.h"

#include <cmath>

namespace pirandella {

namespace {

constexpr float designTwips = 12; // per pixel

template <typename Element> void ScaleElement(Element& e, double scaleX, float scaleY) {
    e.top = e.top * scaleY;
    e.left = static_cast<float>(e.left * scaleX);
    e.width = static_cast<float>(e.width * scaleX);
    e.height = e.height * scaleY;
}

// The window's outer size, frame, title and menu bar included, centred on the screen. No bound:
// a window larger than the screen starts partly off it.
void CentreWindow(Game& g) {
    FormElement& form = g.window.form;
    form.top = static_cast<float>((g.screen.heightTwips - form.height) / 2);
    form.left = static_cast<float>((g.screen.widthTwips - form.width) / 2);
}

} // namespace

// The window was laid out at 12 twips per pixel; on another screen every place and size is
// multiplied so that each element keeps its design size in pixels. Runs once per program run.
void ScaleToScreen(Game& g) {
    GameState& s = g.state;
    s.designTwipsPerPixel = static_cast<std::int16_t>(designTwips);
    s.scaleX = g.screen.twipsPerPixelX / s.designTwipsPerPixel;
    s.scaleY = static_cast<float>(g.screen.twipsPerPixelY / s.designTwipsPerPixel);
    if (s.scaleX == 1 && s.scaleY == 1) return;
    if (s.scaled != 0) return;
    s.scaled = 1;

    FormElement& form = g.window.form;
    form.width = static_cast<float>(form.width * s.scaleX);
    form.height = form.height * s.scaleY;
    CentreWindow(g);

    for (ImageElement& e : g.window.image1) ScaleElement(e, s.scaleX, s.scaleY);
    for (ImageElement& e : g.window.image2) ScaleElement(e, s.scaleX, s.scaleY);
    for (LabelElement& e : g.window.label1) {
        ScaleElement(e, s.scaleX, s.scaleY);
        e.fontSize = std::floor(e.fontSize * s.scaleY);
    }
}

void SetWindowChrome(Game& g, int widthPx, int heightPx) {
    const GameState& s = g.state;
    FormElement& form = g.window.form;
    form.chromeWidth = widthPx;
    form.chromeHeight = heightPx;
    const double factorX = s.scaled == 1 ? s.scaleX : 1;
    const float factorY = s.scaled == 1 ? s.scaleY : 1;
    form.width = static_cast<float>((designClientWidth + designTwips * widthPx) * factorX);
    form.height = (designClientHeight + designTwips * heightPx) * factorY;
    if (s.scaled == 1) CentreWindow(g);
}

} // namespace pirandella
