#include "view/window/window_model.h"

#include "view/render/glyph_font.h"
#include "view/window/board_layout.h"
#include "view/window/display_scaling.h"

#include <cmath>

namespace pirandella {

namespace {

constexpr float gridLeft = 1080, gridTop = 1476; // top-left tile
constexpr float pitch = 396; // one pixel less than a cell, so neighbouring frames share a line
constexpr float cellSize = 408;

Square Cell(float left, float top, Pointer pointer = Pointer::Default) {
    Square e;
    e.left = left;
    e.top = top;
    e.width = cellSize;
    e.height = cellSize;
    e.pointer = pointer;
    return e;
}

WindowModel BuildDesign() {
    WindowModel w;
    w.outer = {"pirandella", 0, 0, designClientWidth, designClientHeight, 0, 0};
    for (int i = 0; i < WindowModel::tileCount; ++i)
        w.tiles[i] = Cell(gridLeft + pitch * (i % 7), gridTop + pitch * (i / 7));
    for (int k = 0; k < 7; ++k) {
        const float along = gridLeft + pitch * k, down = gridTop + pitch * k;
        w.arrows[ArrowCell(Side::Above, k)] = Cell(along, 1080, Pointer::ArrowDown);
        w.arrows[ArrowCell(Side::Right, k)] = Cell(3852, down, Pointer::ArrowLeft);
        w.arrows[ArrowCell(Side::Left, k)] = Cell(684, down, Pointer::ArrowRight);
        w.arrows[ArrowCell(Side::Below, k)] = Cell(along, 4248, Pointer::ArrowUp);
    }
    w.page = Cell(660, 0);
    w.page.width = w.page.height = 3624;
    w.page.visible = false;
    w.page.picture = {Picture::Instructions, {}};
    // Its text is written at set-up; the line then sizes itself to it.
    w.message = {684, 4740, 3552, 228, "", 10.2f, true};
    for (int id = 0; id < commandCount; ++id) w.captions[id] = CommandCaptions()[id].front();
    return w;
}

// The message line sizes itself to its text, its top-left corner staying where it is.
void FitMessage(MessageLine& line, TwipsScale tpp) {
    if (line.text.empty()) return;
    const TextLine set = LayOutLine(MessageFont(), line.text, FontPixels(line, tpp));
    line.width = static_cast<float>(set.width * tpp.x);
    line.height = static_cast<float>(std::ceil(set.height) * tpp.y);
}

WindowModel Derive(const Game& g, const View& v) {
    WindowModel w = DesignWindow();
    PlaceWindow(w, v.screen, v.chromeWidth, v.chromeHeight);
    ScaleToScreen(w, v.screen);
    ArrangeBoard(w, g.boardSize);
    ShowLetters(w, g);
    // The end of a puzzle: no tile or arrow cell keeps its frame, and every arrow cell is hidden.
    if (g.ended) {
        for (Square& tile : w.tiles) tile.framed = false;
        for (Square& arrow : w.arrows) arrow.framed = arrow.visible = false;
    }
    w.page.visible = v.instructionsShown;
    w.captions[static_cast<int>(Command::Instructions)] =
        CommandCaptions()[static_cast<int>(Command::Instructions)][v.instructionsShown ? 1 : 0];
    w.message.text = MessageText(g);
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
    WindowModel w = Derive(g, v);
    FitMessage(w.message, v.screen.twipsPerPixel());
    return w;
}

WindowModel WindowOf(const Game& g, const View& v, const WindowModel& before) {
    WindowModel w = Derive(g, v);
    const MessageLine& was = before.message;
    if (was.text == w.message.text && was.fontSize == w.message.fontSize &&
        was.left == w.message.left && was.top == w.message.top) {
        w.message.width = was.width;
        w.message.height = was.height;
    } else {
        FitMessage(w.message, v.screen.twipsPerPixel());
    }
    return w;
}

const std::array<std::vector<std::string>, commandCount>& CommandCaptions() {
    static const std::array<std::vector<std::string>, commandCount> captions{
        {{"Soluzione"}, {"Nuovo schema"}, {"Istruzioni", "Esci da Istruzioni"}, {"Annulla mossa"}}};
    return captions;
}

std::array<std::string, commandCount>
WidestCaptions(const std::function<double(const std::string&)>& width) {
    std::array<std::string, commandCount> widest;
    for (int id = 0; id < commandCount; ++id)
        for (const std::string& caption : CommandCaptions()[id])
            if (widest[id].empty() || width(caption) > width(widest[id])) widest[id] = caption;
    return widest;
}

const std::vector<ElementRef>& StackingOrder() {
    static const std::vector<ElementRef> order = [] {
        std::vector<ElementRef> v{pageRef, messageRef};
        for (int i = WindowModel::tileCount - 1; i >= 0; --i) v.push_back(TileRef(i));
        for (int i = WindowModel::arrowCount - 1; i >= 0; --i) v.push_back(ArrowRef(i));
        return v;
    }();
    return order;
}

double FontPixels(const MessageLine& line, TwipsScale tpp) {
    return line.fontSize * TwipsPerPixel(72) / tpp.y; // points are 1/72 inch, 20 twips
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

PixelRect PixelBounds(const Square& s, TwipsScale tpp) {
    return PixelBounds(s.left, s.top, s.width, s.height, tpp);
}

PixelRect PixelBounds(const MessageLine& line, TwipsScale tpp) {
    return PixelBounds(line.left, line.top, line.width, line.height, tpp);
}

PixelRect ClientBounds(const OuterWindow& outer, TwipsScale tpp) {
    return {0, 0, TwipsToPixels(outer.width, tpp.x) - outer.chromeWidth,
            TwipsToPixels(outer.height, tpp.y) - outer.chromeHeight};
}

const Square* SquareOf(const WindowModel& w, ElementRef ref) {
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
    const Square* s = SquareOf(w, ref);
    return s ? PixelBounds(*s, tpp) : PixelRect{};
}

bool IsVisible(const WindowModel& w, ElementRef ref) {
    if (ref.kind == ElementRef::Message) return w.message.visible;
    const Square* s = SquareOf(w, ref);
    return s && s->visible;
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
