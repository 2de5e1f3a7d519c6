#include "view/render/glyph_font.h"

#include "view/render/outline_reader.h"

#include <algorithm>
#include <cstring>

// assets/serif.glyphs, built in (cmake/core.cmake).
extern const unsigned char serifGlyphBytes[];
extern const std::size_t serifGlyphByteCount;

namespace pirandella {

namespace {

constexpr char magic[8] = {'P', 'I', 'R', 'A', 'G', 'L', 'Y', 'F'};
constexpr std::uint32_t version = 3;
constexpr double emLimit = 2;               // points and advances, in ems
constexpr std::uint32_t maxGlyphs = 4096;   // far more than a caption's characters
constexpr std::uint32_t maxPairs = 1 << 16; // every pair of 256 glyphs
constexpr std::size_t none = static_cast<std::size_t>(-1);

bool Bounded(OutlineReader& in, double& v, double low, double high, const char* what) {
    return in.number(v, emLimit, what, Numbers::Units) &&
           ((v >= low && v <= high) || in.fail(std::string(what) + " è fuori dai limiti"));
}

bool CodePoint(OutlineReader& in, char32_t& c) {
    std::uint32_t v = 0;
    if (!in.u32(v)) return false;
    c = v;
    return (v <= 0x10FFFF && (v < 0xD800 || v > 0xDFFF)) ||
           in.fail("il codice " + std::to_string(v) + " non è un carattere");
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

bool ReadGlyphs(OutlineReader& in, GlyphFont& font) {
    std::uint32_t count = 0;
    if (!in.u32(count)) return false;
    if (count > maxGlyphs || count > in.left() / 11) // 11: a glyph without steps
        return in.fail("più glifi di quanti il file ne contenga");
    font.glyphs.reserve(count);
    std::uint32_t pointsLeft = maxPointsPerFile;
    for (std::uint32_t i = 0; i < count; ++i) {
        Glyph g;
        if (!CodePoint(in, g.codePoint)) return false;
        if (i > 0 && g.codePoint <= font.glyphs.back().codePoint)
            return in.fail("i glifi non sono in ordine");
        if (!Bounded(in, g.advance, 0, emLimit, "un avanzamento") ||
            !in.outline(g.outline, emLimit, pointsLeft, Numbers::Units))
            return false;
        font.glyphs.push_back(std::move(g));
    }
    return GlyphIndex(font, replacementCharacter) != none || in.fail("manca il glifo sostitutivo");
}

bool ReadKerning(OutlineReader& in, GlyphFont& font) {
    std::uint32_t count = 0;
    if (!in.u32(count)) return false;
    if (count > maxPairs || count > in.left() / 10)
        return in.fail("più coppie di crenatura di quante il file ne contenga");
    font.kerning.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        KerningPair p;
        if (!CodePoint(in, p.left) || !CodePoint(in, p.right)) return false;
        if (GlyphIndex(font, p.left) == none || GlyphIndex(font, p.right) == none)
            return in.fail("una coppia di crenatura ha un carattere senza glifo");
        if (i > 0 && std::pair(p.left, p.right) <=
                         std::pair(font.kerning.back().left, font.kerning.back().right))
            return in.fail("le coppie di crenatura non sono in ordine");
        if (!Bounded(in, p.adjustment, -1, 1, "una crenatura")) return false;
        font.kerning.push_back(p);
    }
    return true;
}

bool ReadAll(OutlineReader& in, GlyphFont& font) {
    std::uint32_t v = 0;
    if (!in.bytes(magic, sizeof magic, "non è un file di glifi") || !in.u32(v)) return false;
    if (v != version) return in.fail("la versione " + std::to_string(v) + " è sconosciuta");
    if (!Bounded(in, font.ascent, 0, emLimit, "l'ascesa") ||
        (font.ascent == 0 && !in.fail("l'ascesa è fuori dai limiti")) ||
        !Bounded(in, font.descent, 0, emLimit, "la discesa") || !ReadGlyphs(in, font) ||
        !ReadKerning(in, font))
        return false;
    return in.left() == 0 || in.fail("ci sono byte in più dopo l'ultima coppia di crenatura");
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

GlyphFile ReadGlyphFont(std::string_view bytes, const std::string& fileName) {
    OutlineReader in(bytes);
    GlyphFile file;
    if (!ReadAll(in, file.font)) file = {{}, in.message(fileName)};
    return file;
}

std::string WriteGlyphFont(const GlyphFont& font) {
    std::string out(magic, sizeof magic);
    PutU32(out, version);
    if (!PutUnits(out, font.ascent) || !PutUnits(out, font.descent)) return {};
    PutU32(out, static_cast<std::uint32_t>(font.glyphs.size()));
    for (const Glyph& g : font.glyphs) {
        PutU32(out, g.codePoint);
        if (!PutUnits(out, g.advance) || !PutUnitOutline(out, g.outline, emLimit)) return {};
    }
    PutU32(out, static_cast<std::uint32_t>(font.kerning.size()));
    for (const KerningPair& p : font.kerning) {
        PutU32(out, p.left);
        PutU32(out, p.right);
        if (!PutUnits(out, p.adjustment)) return {};
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
    static const GlyphFont font =
        ReadGlyphFont(
            std::string_view(reinterpret_cast<const char*>(serifGlyphBytes), serifGlyphByteCount),
            serifFile)
            .font;
    return font;
}

} // namespace pirandella
