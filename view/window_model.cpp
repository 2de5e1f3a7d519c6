#include "view/window_model.h"

#include "view/glyph_font.h"

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

namespace {

WindowModel BuildDesign() {
    WindowModel w;
    w.form = {"pirandella", 0, 0, designClientWidth, designClientHeight, 0, 0};
    for (int i = 0; i < WindowModel::tileCount; ++i)
        w.tiles[i] = Cell(gridLeft + pitch * (i % 7), gridTop + pitch * (i / 7));
    for (int k = 0; k < 7; ++k) {
        w.arrows[k] = Cell(gridLeft + pitch * k, 1080, Pointer::ArrowDown);
        w.arrows[7 + k] = Cell(3852, gridTop + pitch * k, Pointer::ArrowLeft);
        w.arrows[14 + k] = Cell(684, gridTop + pitch * k, Pointer::ArrowRight);
        w.arrows[21 + k] = Cell(gridLeft + pitch * k, 4248, Pointer::ArrowUp);
    }
    w.page = Cell(660, 0);
    w.page.width = w.page.height = 3624;
    w.page.visible = false;
    w.page.picture = {Picture::Instructions, {}};
    // The caption is written at set-up; the label then sizes itself to it.
    w.message = {684, 4740, 3552, 228, "", "Times New Roman", 10.2f, true};
    for (int id = 0; id < commandCount; ++id) w.captions[id] = CommandCaptions()[id].front();
    return w;
}

} // namespace

// Built once: every window the game shows starts from it.
WindowModel DesignWindow() {
    static const WindowModel design = BuildDesign();
    return design;
}

std::string MessageText(const Game& g) {
    if (g.solvedWithMoves)
        return "SCHEMA RISOLTO con n°" + std::to_string(*g.solvedWithMoves) + " mosse";
    if (g.boardSize == 0) return {};
    return "in orizzontale posiziona " + std::to_string(g.boardSize) + " nomi di animali";
}

WindowModel WindowOf(const Game& g, const View& v) {
    WindowModel w = DesignWindow();
    PlaceWindow(w, v.screen, v.chromeWidth, v.chromeHeight);
    ScaleToScreen(w, v.screen);
    ArrangeBoard(w, g.boardSize);
    DrawBoard(w, g);
    // The end of a puzzle: no tile or arrow keeps its frame, and every arrow is hidden.
    if (g.ended) {
        for (ImageElement& tile : w.tiles) tile.framed = false;
        for (ImageElement& arrow : w.arrows) arrow.framed = arrow.visible = false;
    }
    w.page.visible = v.instructionsShown;
    w.captions[static_cast<int>(Command::Instructions)] =
        CommandCaptions()[static_cast<int>(Command::Instructions)][v.instructionsShown ? 1 : 0];
    // The message line sizes itself to its caption, its top-left corner staying where it is.
    w.message.caption = MessageText(g);
    if (!w.message.caption.empty()) {
        const TwipsScale tpp = v.screen.twipsPerPixel();
        View::MessageFit& fit = v.messageFit;
        const double pixels = FontPixels(w.message, tpp);
        if (fit.caption != w.message.caption || fit.pixels != pixels) {
            const TextLine line = LayOutLine(MessageFont(), w.message.caption, pixels);
            fit = {w.message.caption, pixels, line.width, std::ceil(line.height)};
        }
        w.message.width = static_cast<float>(fit.width * tpp.x);
        w.message.height = static_cast<float>(fit.height * tpp.y);
    }
    w.playbackRunning = g.replaying;
    return w;
}

const std::array<std::vector<std::string>, commandCount>& CommandCaptions() {
    static const std::array<std::vector<std::string>, commandCount> captions{
        {{"Soluzione"}, {"Nuovo schema"}, {"Istruzioni", "Esci da Istruzioni"}, {"Annulla mossa"}}};
    return captions;
}

const std::vector<ElementRef>& StackingOrder() {
    static const std::vector<ElementRef> order = [] {
        std::vector<ElementRef> v{pageRef, messageRef};
        for (int i = WindowModel::tileCount - 1; i >= 0; --i) v.push_back({ElementRef::Tile, i});
        for (int i = WindowModel::arrowCount - 1; i >= 0; --i) v.push_back({ElementRef::Arrow, i});
        return v;
    }();
    return order;
}

double FontPixels(const LabelElement& e, TwipsScale tpp) {
    return e.fontSize * TwipsPerPixel(72) / tpp.y; // points are 1/72 inch, 20 twips
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

const ImageElement* ImageOf(const WindowModel& w, ElementRef ref) {
    const bool inRange =
        ref.index >= 0 && (ref.kind == ElementRef::Tile ? ref.index < WindowModel::tileCount
                                                        : ref.index < WindowModel::arrowCount);
    switch (ref.kind) {
    case ElementRef::Tile:
        return inRange ? &w.tiles[ref.index] : nullptr;
    case ElementRef::Arrow:
        return inRange ? &w.arrows[ref.index] : nullptr;
    case ElementRef::Page:
        return &w.page;
    default:
        return nullptr;
    }
}

PixelRect PixelBounds(const WindowModel& w, ElementRef ref, TwipsScale tpp) {
    if (ref.kind == ElementRef::Message) return PixelBounds(w.message, tpp);
    const ImageElement* e = ImageOf(w, ref);
    return e ? PixelBounds(*e, tpp) : PixelRect{};
}

bool IsVisible(const WindowModel& w, ElementRef ref) {
    if (ref.kind == ElementRef::Message) return w.message.visible;
    const ImageElement* e = ImageOf(w, ref);
    return e && e->visible;
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
