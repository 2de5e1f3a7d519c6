// The browser's canvas as a list: PaintWindow's calls recorded as numbers that the page replays on
// its 2D canvas, so one call into WebAssembly paints the whole board.
#pragma once

#include "view/painting/canvas.h"

#include <algorithm>
#include <string_view>
#include <vector>

namespace pirandella {

enum class PaintCode { FillBox = 1, DrawPhoto, BeginPicture, EndPicture, FillOutline };

// Each call is its code followed by its numbers, named here in their order (apart by spaces); the
// build hands the page this table (core.js), and the page reads each call's numbers by these
// names. Colours are r g b a, 0 to 255; a photo is 0 for the 1x photograph, 1 for the 2x one.
struct PaintCall {
    PaintCode code;
    const char* name;
    std::string_view fields;
};
inline constexpr PaintCall paintCalls[] = {
    {PaintCode::FillBox, "fillBox", "x y width height r g b a"},
    {PaintCode::DrawPhoto, "drawPhoto", "photo x y width height clipX clipY clipWidth clipHeight"},
    {PaintCode::BeginPicture, "beginPicture", "x y width height"},
    {PaintCode::EndPicture, "endPicture", ""},
    {PaintCode::FillOutline, "fillOutline",
     "set index r g b a originX originY scale clipX clipY clipWidth clipHeight"},
};

// An outline for the page's path: its fill rule (Outline::Fill, as the canvas names them in
// fillRules), then each step (Outline::Step: the canvas's method in pathSteps) followed by its
// points, x then y.
inline constexpr const char* fillRules[] = {"evenodd", "nonzero"};
inline constexpr const char* pathSteps[] = {"moveTo", "lineTo", "bezierCurveTo"};

// How many names, apart by spaces.
constexpr std::size_t FieldCount(std::string_view names) {
    return names.empty() ? 0 : 1 + std::count(names.begin(), names.end(), ' ');
}
constexpr std::size_t FieldCount(PaintCode code) {
    return FieldCount(paintCalls[static_cast<int>(code) - 1].fields);
}

class PaintList : public Canvas {
  public:
    std::vector<double> numbers;

    void fillBox(const BoxF& b, Colour c) override {
        put<PaintCode::FillBox>(b.x, b.y, b.width, b.height, c.r, c.g, c.b, c.a);
    }
    void drawPhoto(Photo photo, const BoxF& b, const BoxF& clip) override {
        put<PaintCode::DrawPhoto>(photo == Photo::Background2x ? 1 : 0, b.x, b.y, b.width, b.height,
                                  clip.x, clip.y, clip.width, clip.height);
    }
    // The page draws every picture afresh: its canvas is quick at what a picture holds.
    bool beginPicture(const PictureKey&, const DeviceRect& b) override {
        put<PaintCode::BeginPicture>(b.x, b.y, b.width, b.height);
        return true;
    }
    void endPicture() override { put<PaintCode::EndPicture>(); }
    void fillOutline(OutlineId id, Colour c, double originX, double originY, double scale,
                     const DeviceRect& clip) override {
        put<PaintCode::FillOutline>(static_cast<int>(id.set), id.index, c.r, c.g, c.b, c.a, originX,
                                    originY, scale, clip.x, clip.y, clip.width, clip.height);
    }

  private:
    template <PaintCode code, typename... Numbers> void put(Numbers... n) {
        static_assert(paintCalls[static_cast<int>(code) - 1].code == code, "in the order of codes");
        static_assert(sizeof...(Numbers) == FieldCount(code), "a number for each of its fields");
        // push_back, not a vector's insert: much less code for the page to load.
        for (const double v : {static_cast<double>(code), static_cast<double>(n)...})
            numbers.push_back(v);
    }
};

} // namespace pirandella
