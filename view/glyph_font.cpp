#include "view/glyph_font.h"

#include "view/outline_bytes.h"

#include <algorithm>
#include <cstring>

// assets/serif.glyphs, built in (cmake/core.cmake).
extern const unsigned char serifGlyphBytes[];
extern const std::size_t serifGlyphByteCount;

namespace pirandella {

namespace {

using outline_bytes::Reader;

constexpr char magic[8] = {'P', 'I', 'R', 'A', 'G', 'L', 'Y', 'F'};
constexpr std::uint32_t version = 1;
constexpr double emLimit = 4;               // points and advances, in ems
constexpr std::uint32_t maxGlyphs = 4096;   // far more than a caption's characters
constexpr std::uint32_t maxPairs = 1 << 16; // every pair of 256 glyphs
constexpr std::size_t none = static_cast<std::size_t>(-1);

double Bounded(Reader& in, double low, double high, const char* what) {
    const double v = in.number();
    if (v < low || v > high) in.fail(std::string(what) + " out of range");
    return v;
}

char32_t CodePoint(Reader& in) {
    const std::uint32_t c = in.u32();
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        in.fail("code point " + std::to_string(c) + " is not a character");
    return c;
}

std::size_t GlyphIndex(const GlyphFont& font, char32_t c) {
    const auto it = std::lower_bound(font.glyphs.begin(), font.glyphs.end(), c,
                                     [](const Glyph& g, char32_t v) { return g.codePoint < v; });
    return it != font.glyphs.end() && it->codePoint == c ? it - font.glyphs.begin() : none;
}

double Kerning(const GlyphFont& font, char32_t left, char32_t right) {
    const auto before = [](const KerningPair& p, std::pair<char32_t, char32_t> v) {
        return std::pair(p.left, p.right) < v;
    };
    const auto it =
        std::lower_bound(font.kerning.begin(), font.kerning.end(), std::pair(left, right), before);
    return it != font.kerning.end() && it->left == left && it->right == right ? it->adjustment : 0;
}

void ReadGlyphs(Reader& in, GlyphFont& font) {
    const std::uint32_t count = in.u32();
    if (count > maxGlyphs || count > in.left() / 17) // 17: a glyph without steps
        in.fail("more glyphs than the file holds");
    font.glyphs.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        Glyph g;
        g.codePoint = CodePoint(in);
        if (i > 0 && g.codePoint <= font.glyphs.back().codePoint) in.fail("glyphs out of order");
        g.advance = Bounded(in, 0, emLimit, "an advance");
        g.outline = outline_bytes::ReadOutline(in, emLimit);
        font.glyphs.push_back(std::move(g));
    }
    if (GlyphIndex(font, replacementCharacter) == none) in.fail("no replacement glyph");
}

void ReadKerning(Reader& in, GlyphFont& font) {
    const std::uint32_t count = in.u32();
    if (count > maxPairs || count > in.left() / 16)
        in.fail("more kerning pairs than the file holds");
    font.kerning.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        KerningPair p;
        p.left = CodePoint(in);
        p.right = CodePoint(in);
        if (GlyphIndex(font, p.left) == none || GlyphIndex(font, p.right) == none)
            in.fail("a kerning pair of a character without a glyph");
        if (i > 0 && std::pair(p.left, p.right) <=
                         std::pair(font.kerning.back().left, font.kerning.back().right))
            in.fail("kerning pairs out of order");
        p.adjustment = Bounded(in, -1, 1, "a kerning adjustment");
        font.kerning.push_back(p);
    }
}

// The character starting at `at`, moving `at` past it. A byte that does not start a valid,
// shortest UTF-8 sequence of a character is one replacement character.
char32_t NextCharacter(std::string_view s, std::size_t& at) {
    const auto lead = static_cast<unsigned char>(s[at]);
    const std::size_t length = lead < 0x80                    ? 1
                               : lead >= 0xC2 && lead <= 0xDF ? 2
                               : lead >= 0xE0 && lead <= 0xEF ? 3
                               : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                              : 0;
    if (length == 1) return ++at, lead;
    if (length == 0 || s.size() - at < length) return ++at, replacementCharacter;
    char32_t c = lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(s[at + k]);
        if ((next & 0xC0) != 0x80) return ++at, replacementCharacter;
        c = c << 6 | (next & 0x3F);
    }
    constexpr char32_t shortest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < shortest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return ++at, replacementCharacter;
    at += length;
    return c;
}

} // namespace

GlyphFont ReadGlyphFont(std::string_view bytes, const std::string& fileName) {
    Reader in(bytes, "glyph file", fileName);
    if (std::memcmp(in.take(sizeof magic), magic, sizeof magic) != 0)
        in.fail("it is not a glyph file");
    if (const std::uint32_t v = in.u32(); v != version)
        in.fail("version " + std::to_string(v) + " is not known");
    GlyphFont font;
    font.ascent = Bounded(in, 0, emLimit, "the ascent");
    if (font.ascent == 0) in.fail("the ascent out of range");
    font.descent = Bounded(in, 0, emLimit, "the descent");
    ReadGlyphs(in, font);
    ReadKerning(in, font);
    if (in.left() != 0) in.fail("unexpected bytes after the last kerning pair");
    return font;
}

std::string WriteGlyphFont(const GlyphFont& font) {
    using namespace outline_bytes;
    std::string out(magic, sizeof magic);
    Put32(out, version);
    PutNumber(out, font.ascent);
    PutNumber(out, font.descent);
    Put32(out, static_cast<std::uint32_t>(font.glyphs.size()));
    for (const Glyph& g : font.glyphs) {
        Put32(out, g.codePoint);
        PutNumber(out, g.advance);
        PutOutline(out, g.outline);
    }
    Put32(out, static_cast<std::uint32_t>(font.kerning.size()));
    for (const KerningPair& p : font.kerning) {
        Put32(out, p.left);
        Put32(out, p.right);
        PutNumber(out, p.adjustment);
    }
    return out;
}

TextLine LayOutLine(const GlyphFont& font, std::string_view utf8, double pixelSize) {
    TextLine line;
    line.ascent = font.ascent * pixelSize;
    line.height = (font.ascent + font.descent) * pixelSize;
    const std::size_t replacement = GlyphIndex(font, replacementCharacter);
    double pen = 0; // in ems
    char32_t previous = 0;
    for (std::size_t at = 0; at < utf8.size();) {
        char32_t c = NextCharacter(utf8, at);
        std::size_t index = GlyphIndex(font, c);
        if (index == none) index = replacement, c = replacementCharacter;
        if (index == none) continue; // a font made without one: the character is left out
        if (!line.glyphs.empty()) pen += Kerning(font, previous, c);
        line.glyphs.push_back({index, pen * pixelSize});
        pen += font.glyphs[index].advance;
        previous = c;
    }
    line.width = pen * pixelSize;
    return line;
}

const GlyphFont& MessageFont() {
    static const GlyphFont font = ReadGlyphFont(
        std::string_view(reinterpret_cast<const char*>(serifGlyphBytes), serifGlyphByteCount),
        serifFile);
    return font;
}

} // namespace pirandella
