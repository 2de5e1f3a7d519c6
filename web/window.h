// The page's game: one midend, the outlines it draws with, and the page as its platform. The
// page holds a pointer to it for the plain C functions it calls (window.cpp: events and the kept
// game; canvas.cpp: the painting; screen_reader.cpp: the nodes).
#pragma once

#include "ui/midend.h"
#include "view/painting/paint_list.h"
#include "view/render/pixels.h"

#include <string>
#include <string_view>

namespace pirandella {

// The names of the numbers the page is answered with, in their order (apart by spaces); the
// build hands them to the page (core.js), which reads them by these names. A text is the address
// of its UTF-8, up to a 0.
inline constexpr std::string_view placeFields = "scale x y width height messageScale messageShift";
inline constexpr std::string_view nodeFields =
    "role element x y width height focused name description";
inline constexpr std::string_view pointerFields = "side tipX tipY";

// A list for the page, its first number kept for the count of the others: counted.
inline const double* Counted(std::vector<double>& list) {
    list[0] = static_cast<double>(list.size() - 1);
    return list.data();
}

struct WebGame : Platform {
    explicit WebGame(Game game) : midend(std::move(game)) {}
    void showCaption(Command c, const std::string& caption) override;
    void runClock(int intervalMs) override;
    void repaint() override;
    // The page asks for the nodes (web_accessible_nodes), and with them for what to say.
    void tellScreenReader(const std::string& announcement) override;
    void openMenuBar() override;
    // A text for the page, kept until the next.
    const char* answer(std::string text) { return (answered = std::move(text)).c_str(); }
    // Numbers for the page, kept until the next answer: their count, then the numbers.
    const double* answer() {
        numbers.assign(1, 0);
        return numbers.data();
    }
    template <typename... Numbers> const double* more(Numbers... next) {
        for (const double n : {static_cast<double>(next)...}) numbers.push_back(n);
        return Counted(numbers);
    }
    // The numbers that `fields` names (above), one for each.
    template <const std::string_view& fields, typename... Numbers>
    const double* record(Numbers... next) {
        static_assert(sizeof...(Numbers) == FieldCount(fields), "a number for each of its fields");
        return more(next...);
    }

    Midend midend;
    Artwork art;
    PaintList paint;
    PixelImage reference; // the last frame the core painted itself, for the page's test
    std::string pending;  // what the last event has to say, until the page asks
    std::string spoken;   // and the nodes it was told with, whose texts the page reads
    std::vector<AccessibleNode> nodes;
    std::string answered;
    std::vector<double> numbers;
};

// An element as one number for the page: kind * elementsPerKind + index, or -1 for none.
inline constexpr int elementsPerKind = 100;
inline int Encode(ElementRef ref) {
    return ref.kind == ElementRef::None ? -1 : ref.kind * elementsPerKind + ref.index;
}
inline ElementRef Decode(int element) {
    const int kind = element / elementsPerKind;
    if (element < 0 || kind < ElementRef::Tile || kind > ElementRef::Message) return {};
    return {static_cast<ElementRef::Kind>(kind), element % elementsPerKind};
}

} // namespace pirandella
