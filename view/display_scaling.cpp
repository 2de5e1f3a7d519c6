#include "engine/game.h"

#include <cmath>

namespace pirandella {

namespace {

template <typename Element> void ScaleElement(Element& e, double scaleX, float scaleY) {
    e.top = e.top * scaleY;
    e.left = static_cast<float>(e.left * scaleX);
    e.width = static_cast<float>(e.width * scaleX);
    e.height = e.height * scaleY;
}

} // namespace

// The window was laid out at 12 twips per pixel; on another screen every place and size is
// multiplied so that each element keeps its design size in pixels. Runs once per program run.
void ScaleToScreen(Game& g) {
    GameState& s = g.state;
    s.designTwipsPerPixel = 12;
    s.scaleX = g.screen.twipsPerPixelX / s.designTwipsPerPixel;
    s.scaleY = static_cast<float>(g.screen.twipsPerPixelY / s.designTwipsPerPixel);
    if (s.scaleX == 1 && s.scaleY == 1) return;
    if (s.scaled != 0) return;
    s.scaled = 1;

    FormElement& form = g.window.form;
    form.width = static_cast<float>(form.width * s.scaleX);
    form.height = form.height * s.scaleY;
    form.top = static_cast<float>((g.screen.heightTwips - form.height) / 2);
    form.left = static_cast<float>((g.screen.widthTwips - form.width) / 2);

    for (ImageElement& e : g.window.image1) ScaleElement(e, s.scaleX, s.scaleY);
    for (ImageElement& e : g.window.image2) ScaleElement(e, s.scaleX, s.scaleY);
    for (LabelElement& e : g.window.label1) {
        ScaleElement(e, s.scaleX, s.scaleY);
        e.fontSize = std::floor(e.fontSize * s.scaleY);
    }
}

} // namespace pirandella
