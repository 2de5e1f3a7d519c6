#include "view/window_model.h"

#include <cmath>

namespace pirandella {

namespace {

constexpr float gridLeft = 1080, gridTop = 1476; // top-left tile
constexpr float pitch = 396; // one pixel less than a cell, so neighbouring frames share a line
constexpr float cellSize = 408;

ImageElement Cell(float left, float top, Pointer pointer = Pointer::Default) {
    ImageElement e;
    e.left = left;
    e.top = top;
    e.width = cellSize;
    e.height = cellSize;
    e.pointer = pointer;
    return e;
}

} // namespace

WindowModel DesignWindow() {
    WindowModel w;
    w.form = {"pirandella", 0, 0, designClientWidth, designClientHeight, 0, 0};
    for (int i = 0; i < WindowModel::tileCount; ++i)
        w.image1[i] = Cell(gridLeft + pitch * (i % 7), gridTop + pitch * (i / 7));
    for (int k = 0; k < 7; ++k) {
        w.image2[k] = Cell(gridLeft + pitch * k, 1080, Pointer::ArrowDown);
        w.image2[7 + k] = Cell(3852, gridTop + pitch * k, Pointer::ArrowLeft);
        w.image2[14 + k] = Cell(684, gridTop + pitch * k, Pointer::ArrowRight);
        w.image2[21 + k] = Cell(gridLeft + pitch * k, 4248, Pointer::ArrowUp);
    }
    ImageElement& page = w.image2[WindowModel::instructions];
    page = Cell(660, 0);
    page.width = page.height = 3624;
    page.visible = false;
    page.picture = {PictureList::Instructions, 0};
    // The caption is written at set-up; the label then sizes itself to it.
    w.label1[0] = {684, 4740, 3552, 228, "", "Times New Roman", 10.2f, true};
    w.timer1 = {120, false};
    w.menu = {{{"mnuSoluzione", "Soluzione"},
               {"mnuNS", "Nuovo schema"},
               {"mnuIstruzioni", "Istruzioni"},
               {"mnuAnnullaMossa", "Annulla mossa"}}};
    return w;
}

const std::array<std::vector<std::string>, 4>& MenuCaptions() {
    static const std::array<std::vector<std::string>, 4> captions{
        {{"Soluzione"}, {"Nuovo schema"}, {"Istruzioni", "Esci da Istruzioni"}, {"Annulla mossa"}}};
    return captions;
}

int ArrowLine(const WindowModel& w, int index) {
    int line = 0;
    for (int i = index / 7 * 7; i <= index; ++i)
        if (w.image2[i].visible) ++line;
    return line;
}

void HideFramesAndArrows(WindowModel& w) {
    for (ImageElement& tile : w.image1) tile.borderStyle = 0;
    for (int i = 0; i < WindowModel::arrowCount; ++i) {
        w.image2[i].borderStyle = 0;
        w.image2[i].visible = false;
    }
}

const std::vector<ElementRef>& StackingOrder() {
    static const std::vector<ElementRef> order = [] {
        std::vector<ElementRef> v{{ElementRef::Image2, WindowModel::instructions},
                                  {ElementRef::Label1, 0}};
        for (int i = WindowModel::tileCount - 1; i >= 0; --i) v.push_back({ElementRef::Image1, i});
        for (int i = WindowModel::arrowCount - 1; i >= 0; --i) v.push_back({ElementRef::Image2, i});
        return v;
    }();
    return order;
}

double TwipsPerPixel(double logicalDpi) {
    return 1440.0 / logicalDpi;
}

int TwipsToPixels(double twips, double twipsPerPixel) {
    return static_cast<int>(std::lround(twips / twipsPerPixel));
}

PixelRect PixelBounds(float left, float top, float width, float height, TwipsScale tpp) {
    return {TwipsToPixels(left, tpp.x), TwipsToPixels(top, tpp.y), TwipsToPixels(width, tpp.x),
            TwipsToPixels(height, tpp.y)};
}

PixelRect PixelBounds(const ImageElement& e, TwipsScale tpp) {
    return PixelBounds(e.left, e.top, e.width, e.height, tpp);
}

PixelRect PixelBounds(const LabelElement& e, TwipsScale tpp) {
    return PixelBounds(e.left, e.top, e.width, e.height, tpp);
}

PixelRect ClientBounds(const FormElement& form, TwipsScale tpp) {
    return {0, 0, TwipsToPixels(form.width, tpp.x) - form.chromeWidth,
            TwipsToPixels(form.height, tpp.y) - form.chromeHeight};
}

PixelRect PixelBounds(const WindowModel& w, ElementRef ref, TwipsScale tpp) {
    switch (ref.kind) {
    case ElementRef::Label1:
        return PixelBounds(w.label1[ref.index], tpp);
    case ElementRef::Image1:
        return PixelBounds(w.image1[ref.index], tpp);
    case ElementRef::Image2:
        return PixelBounds(w.image2[ref.index], tpp);
    default:
        return {};
    }
}

bool IsVisible(const WindowModel& w, ElementRef ref) {
    switch (ref.kind) {
    case ElementRef::Label1:
        return w.label1[ref.index].visible;
    case ElementRef::Image1:
        return w.image1[ref.index].visible;
    case ElementRef::Image2:
        return w.image2[ref.index].visible;
    default:
        return false;
    }
}

ElementRef HitTest(const WindowModel& w, int px, int py, TwipsScale tpp) {
    for (const ElementRef& ref : StackingOrder())
        if (IsVisible(w, ref) && PixelBounds(w, ref, tpp).contains(px, py)) return ref;
    return {};
}

bool InSight(const WindowModel& w, ElementRef ref, TwipsScale tpp) {
    if (!IsVisible(w, ref)) return false;
    const PixelRect r = PixelBounds(w, ref, tpp);
    return HitTest(w, (2 * r.x + r.width - 1) / 2, (2 * r.y + r.height - 1) / 2, tpp) == ref;
}

} // namespace pirandella
