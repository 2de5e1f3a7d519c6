// A font as the game draws it: glyph outlines with their advances, the line's ascent and
// descent, and kerning pairs, all in ems (1.0 = the font's size), y down, the baseline at
// y = 0, design metrics without hinting. tools/draw_assets writes it from Liberation Serif, so
// the message line is drawn and measured by the core, the same on every front end. The file:
//
//   offset  size  what
//   0       8     magic "PIRAGLYF"
//   8       4     version, 3
//   12      2     ascent, above the baseline (> 0)
//   14      2     descent, below the baseline (>= 0)
//   16      4     number of glyphs that follow
//   then each glyph, by increasing code point:
//           4     code point; U+FFFD is the replacement drawn for anything without a glyph
//           2     advance, from 0 to 2
//           1     its outline's fill rule, as in the outline file (outline_file.h)
//           4     number of steps
//           then each step's code: 0 move, 1 line, 2 cubic, as in the outline file, or 3, a
//           quadratic curve (its control point and its end, read as the cubic of the same curve,
//           its control points two thirds of the way from each end to the quadratic's), which
//           is what Liberation Serif's curves are
//           then the steps' points in their order, each as two 2-byte numbers, x then y, that
//           are its distance from the point before it in the outline (the first point's from
//           0, 0)
//   then    4     number of kerning pairs that follow
//   then each pair, by increasing left then right code point, both with a glyph:
//           4     left code point
//           4     right code point
//           2     adjustment to the advance between them, from -1 to 1 (negative: closer)
//
// Integers are unsigned; numbers are signed 2-byte whole numbers of 1/12288 em (Liberation
// Serif's 2048 units to the em, in sixths: where the halfway points of its quadratic curves and
// the control points of the same curves as cubics fall, so that each number of the font is read
// back as exactly the double it was); all little-endian. Points, the quadratics' control points
// among them, lie within +-2 ems. Nothing may follow the last pair. Points as distances,
// apart from the codes, and curves as quadratics make the file a sixth smaller than absolute
// cubics, and compress to three fifths.
#pragma once

#include "view/render/outline_file.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace pirandella {

inline constexpr char32_t replacementCharacter = 0xFFFD;

struct Glyph {
    char32_t codePoint = 0;
    double advance = 0;
    Outline outline;
    bool operator==(const Glyph&) const = default;
};

struct KerningPair {
    char32_t left = 0, right = 0;
    double adjustment = 0;
    bool operator==(const KerningPair&) const = default;
};

struct GlyphFont {
    double ascent = 0, descent = 0;
    std::vector<Glyph> glyphs;        // by increasing code point, one of them the replacement
    std::vector<KerningPair> kerning; // by increasing (left, right)
    bool operator==(const GlyphFont&) const = default;
};

// A whole glyph file read, or what is wrong with it (and then no glyphs at all): in Italian,
// naming the file, what is wrong and the byte.
struct GlyphFile {
    GlyphFont font;
    std::string error; // empty when the file was read
};
GlyphFile ReadGlyphFont(std::string_view bytes, const std::string& fileName);
// The file's bytes for a font; empty for a font with a number that the file cannot hold exactly.
std::string WriteGlyphFont(const GlyphFont& font);

// A glyph of a line: its index in GlyphFont::glyphs and where its origin lies on the baseline,
// in pixels from the line's start.
struct PlacedGlyph {
    std::size_t glyph = 0;
    double x = 0;
    bool operator==(const PlacedGlyph&) const = default;
};

// A line of text set in pixels: the glyphs to fill (each outline scaled by the pixel size), its
// width (advances and kerning, unrounded), its height (ascent + descent) and the baseline's
// distance below the line box's top (the ascent).
struct TextLine {
    std::vector<PlacedGlyph> glyphs;
    double width = 0, height = 0, ascent = 0;
};

// The message line's font, Liberation Serif, built into the game (read once, when first needed;
// its test makes sure that it reads).
const GlyphFont& MessageFont();

// Sets UTF-8 text on one line at a pixel size (the font's em in pixels). A byte that is not
// valid UTF-8 and a character without a glyph both become the replacement glyph.
TextLine LayOutLine(const GlyphFont& font, std::string_view utf8, double pixelSize);

inline constexpr const char* serifFile = "serif.glyphs";

} // namespace pirandella
