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
#pragma once

#include <cstdint>
#include <stdexcept>
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

// A damaged outline file: the message names the file, what is wrong and where.
class OutlineError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// Reads a whole outline file; all of it or nothing. Throws OutlineError.
std::vector<Outline> ReadOutlines(std::string_view bytes, const std::string& fileName);
// The file's bytes for a set of outlines.
std::string WriteOutlines(const std::vector<Outline>& outlines);

inline constexpr const char* lettersFile = "letters.outlines";
inline constexpr const char* pageFile = "instructions.outlines";

} // namespace pirandella
