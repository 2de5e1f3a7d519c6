// Outlines of the letters and of the instructions page, as the game fills them at the screen's
// own pixel size. They are kept in a small binary file that any front end can read:
//
//   offset  size  what
//   0       8     magic "PIRAOUTL"
//   8       4     version, 1
//   12      4     number of outlines that follow
//   then each outline:
//           1     fill rule: 0 even-odd, 1 non-zero
//           4     number of steps
//           then each step: 1 byte, 0 move, 1 line, 2 cubic, followed by its points, each two
//           8-byte IEEE doubles x, y: one for a move or a line, three (control, control, end)
//           for a cubic
//
// Integers are unsigned, little-endian. Coordinates are pixels of the picture the outline is
// drawn in (32 x 32 for a tile, 300 x 300 for the page). Every contour starts with a move and
// is closed by filling. Nothing may follow the last outline.
//
// Bounds, well above what the game's pictures use, so that no file can make a front end draw
// out of range or run out of memory: each coordinate within +-1024 (maxCoordinate); at most
// 1,024 outlines in a file, 65,536 points in one outline and 262,144 in the whole file (the
// instructions page is one outline of 16,106 points, 265 KB). A file past any of them is
// refused whole.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace pirandella {

struct OutlinePoint {
    double x = 0, y = 0;
    bool operator==(const OutlinePoint&) const = default;
};

struct Outline {
    enum class Fill : std::uint8_t { EvenOdd, NonZero };
    enum class Step : std::uint8_t { Move, Line, Cubic };
    Fill fill = Fill::EvenOdd;
    std::vector<Step> steps;
    std::vector<OutlinePoint> points; // one for each move or line, three for each cubic
    bool operator==(const Outline&) const = default;
};

// The points a step takes.
constexpr int PointsOf(Outline::Step step) {
    return step == Outline::Step::Cubic ? 3 : 1;
}

// Walks an outline's steps with their points into a path of any drawing library that has
// moveTo(x, y), lineTo(x, y) and cubicTo(x1, y1, x2, y2, x, y); an outline short of points ends
// where they do.
template <typename Path> void TraceOutline(const Outline& o, Path& path) {
    std::size_t i = 0;
    for (const Outline::Step step : o.steps) {
        if (o.points.size() - i < static_cast<std::size_t>(PointsOf(step))) return;
        const OutlinePoint* p = &o.points[i];
        if (step == Outline::Step::Move)
            path.moveTo(p[0].x, p[0].y);
        else if (step == Outline::Step::Line)
            path.lineTo(p[0].x, p[0].y);
        else
            path.cubicTo(p[0].x, p[0].y, p[1].x, p[1].y, p[2].x, p[2].y);
        i += PointsOf(step);
    }
}

inline constexpr double maxCoordinate = 1024;
inline constexpr std::uint32_t maxOutlinesPerFile = 1024;
inline constexpr std::uint32_t maxPointsPerOutline = 65536;
inline constexpr std::uint32_t maxPointsPerFile = 262144;

// A whole outline file read, or what is wrong with it (and then no outlines at all): in Italian
// for the player, naming the file, what is wrong and the byte where it was found.
struct OutlineFile {
    std::vector<Outline> outlines;
    std::string error; // empty when the file was read
};

// Reads a whole outline file; all of it or nothing. Never throws.
OutlineFile ReadOutlineFile(std::string_view bytes, const std::string& fileName);
// What the player is told when a built-in outline file is not there at all.
std::string MissingOutlineFile(const std::string& fileName);
// The file's bytes for a set of outlines.
std::string WriteOutlines(const std::vector<Outline>& outlines);

inline constexpr const char* lettersFile = "letters.outlines";
inline constexpr const char* pageFile = "instructions.outlines";

} // namespace pirandella
