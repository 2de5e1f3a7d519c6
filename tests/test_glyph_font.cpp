// The glyph file and the line set from it: what is written is read back exactly, a font the
// file cannot hold exactly is not written, a damaged file is refused whole, and a line's glyphs,
// kerning and width follow the font.
#include "view/render/glyph_font.h"

#include <cmath>
#include <gtest/gtest.h>

// assets/serif.glyphs, built in (cmake/core.cmake).
extern const unsigned char serifGlyphBytes[];
extern const std::size_t serifGlyphByteCount;

using namespace pirandella;

namespace {

Outline Triangle(double width) {
    Outline o;
    o.steps = {Outline::Step::Move, Outline::Step::Line, Outline::Step::Line};
    o.points = {{0, 0}, {width, 0}, {width / 2, -0.6875}};
    return o;
}

// A quadratic curve from (0, 0) through the control point (0.1875, -0.75) to (0.375, 0), as the
// cubic with control points two thirds of the way from each end to it.
Outline Arch() {
    Outline o;
    o.steps = {Outline::Step::Move, Outline::Step::Cubic};
    o.points = {{0, 0}, {0.125, -0.5}, {0.25, -0.5}, {0.375, 0}};
    return o;
}

// A font of four glyphs (A, V, é and the replacement) and two kerning pairs, A V and V é.
GlyphFont Sample() {
    Outline blob;
    blob.fill = Outline::Fill::NonZero;
    blob.steps = {Outline::Step::Move, Outline::Step::Cubic};
    blob.points = {{0, 0}, {0.25, -0.5}, {-0.25, -2}, {0, 0}};
    GlyphFont f;
    f.ascent = 0.75;
    f.descent = 0.25;
    f.glyphs = {{U'A', 0.5, Triangle(0.5)},
                {U'V', 0.75, Triangle(0.75)},
                {U'é', 0.375, Arch()},
                {replacementCharacter, 0.25, blob}};
    f.kerning = {{U'A', U'V', -0.125}, {U'V', U'é', 0.0625}};
    return f;
}

std::string Error(const std::string& bytes) {
    const GlyphFile file = ReadGlyphFont(bytes, "serif.glyphs");
    EXPECT_TRUE(file.font.glyphs.empty());
    return file.error.empty() ? "read without complaint" : file.error;
}

template <typename Change> std::string ErrorOf(Change change) {
    GlyphFont f = Sample();
    change(f);
    return Error(WriteGlyphFont(f));
}

// The glyphs of a line as code points, and their pen positions.
std::u32string Characters(const TextLine& line) {
    std::u32string s;
    for (const PlacedGlyph& g : line.glyphs) s += Sample().glyphs.at(g.glyph).codePoint;
    return s;
}

std::vector<double> Positions(const TextLine& line) {
    std::vector<double> x;
    for (const PlacedGlyph& g : line.glyphs) x.push_back(g.x);
    return x;
}

} // namespace

TEST(GlyphFont, ReadBackExactlyWhatWasWritten) {
    const std::string bytes = WriteGlyphFont(Sample());
    EXPECT_EQ(bytes.substr(0, 12), std::string("PIRAGLYF\3\0\0\0", 12));
    // By the layout: the header, the glyphs (a triangle's three points; a move and a quadratic,
    // its control point and end; a move and a cubic, which no quadratic makes), the kerning
    // pairs.
    EXPECT_EQ(bytes.size(), 20u + 26 + 26 + 25 + 29 + 4 + 2 * 10);
    // é's outline: its codes, a move and the quadratic (3); then the move's point, 0, 0, the
    // quadratic's control point 2304, -9216 units from there and its end 2304, 9216 from the
    // control point.
    EXPECT_EQ(bytes.substr(72 + 11, 14), std::string("\0\3\0\0\0\0\0\x09\0\xdc\0\x09\0\x24", 14));
    EXPECT_EQ(ReadGlyphFont(bytes, "x").font, Sample());
}

TEST(GlyphFont, AFontTheFileCannotHoldExactlyIsNotWritten) {
    const auto written = [](auto change) {
        GlyphFont f = Sample();
        change(f);
        return WriteGlyphFont(f);
    };
    EXPECT_EQ(written([](GlyphFont& f) { f.ascent = NAN; }), "");
    EXPECT_EQ(written([](GlyphFont& f) { f.glyphs[0].advance = 0.1; }), ""); // no whole unit
    EXPECT_EQ(written([](GlyphFont& f) { f.glyphs[1].outline.points[1].x = 1 / 24576.0; }), "");
    EXPECT_EQ(written([](GlyphFont& f) { f.glyphs[1].outline.points[2].y = -2.75; }), "");
    EXPECT_EQ(written([](GlyphFont& f) { f.kerning[0].adjustment = 3; }), "");
    EXPECT_EQ(written([](GlyphFont& f) { f.glyphs[0].outline.points.pop_back(); }), "");
    // Each point within the file's bounds, but 3 ems from the one before it: past two bytes.
    EXPECT_EQ(written([](GlyphFont& f) {
                  f.glyphs[1].outline.points[1].x = 2;
                  f.glyphs[1].outline.points[2].x = -1;
              }),
              "");
    // The largest number two bytes hold, and the smallest step, are written.
    EXPECT_NE(written([](GlyphFont& f) { f.glyphs[1].outline.points[1].x = 32767 / 12288.0; }), "");
    EXPECT_NE(written([](GlyphFont& f) { f.glyphs[1].outline.points[1].x = -1 / 12288.0; }), "");
}

TEST(GlyphFont, TheBuiltInFontIsWrittenBackByteForByte) {
    EXPECT_EQ(WriteGlyphFont(MessageFont()),
              std::string(reinterpret_cast<const char*>(serifGlyphBytes), serifGlyphByteCount));
}

TEST(GlyphFont, ADamagedFileIsRefusedWholeWithItsName) {
    const std::string good = WriteGlyphFont(Sample());
    for (std::size_t n = 0; n < good.size(); ++n) // cut anywhere: refused, never half read
        EXPECT_NE(Error(good.substr(0, n)).find("Il file serif.glyphs è danneggiato"),
                  std::string::npos)
            << n;
    EXPECT_EQ(Error(good + "x"), "Il file serif.glyphs è danneggiato: ci sono byte in più dopo "
                                 "l'ultima coppia di crenatura, al byte 150.");
    std::string bytes = good;
    bytes[19] = 0x7f; // a glyph count far beyond the file
    EXPECT_NE(Error(bytes).find("più glifi di quanti il file ne contenga"), std::string::npos);
    bytes = good;
    bytes[0] = 'X';
    EXPECT_NE(Error(bytes).find("non è un file di glifi"), std::string::npos);
    const auto says = [](const std::string& error, const char* what) {
        return error.find(what) != std::string::npos;
    };
    EXPECT_PRED2(says, ErrorOf([](GlyphFont& f) { f.ascent = 0; }), "l'ascesa è fuori dai limiti");
    EXPECT_PRED2(says, ErrorOf([](GlyphFont& f) { f.ascent = -0.5; }),
                 "l'ascesa è fuori dai limiti");
    EXPECT_PRED2(says, ErrorOf([](GlyphFont& f) { f.descent = -0.125; }),
                 "la discesa è fuori dai limiti");
    // Two bytes hold up to 2.67 ems; past 2 the file is refused.
    EXPECT_PRED2(says, ErrorOf([](GlyphFont& f) { f.glyphs[1].advance = 2.5; }),
                 "un avanzamento è oltre ±2");
    EXPECT_PRED2(says, ErrorOf([](GlyphFont& f) { f.glyphs[1].outline.points[2].y = -2.0625; }),
                 "una coordinata è oltre ±2");
    EXPECT_PRED2(says, ErrorOf([](GlyphFont& f) { f.glyphs[1].outline.points[0].x = 2.5; }),
                 "una coordinata è oltre ±2");
    EXPECT_PRED2(says, ErrorOf([](GlyphFont& f) { f.glyphs[1].codePoint = U'A'; }),
                 "i glifi non sono in ordine");
    EXPECT_PRED2(says, ErrorOf([](GlyphFont& f) { f.glyphs[2].codePoint = 0xD800; }),
                 "il codice 55296 non è un carattere");
    EXPECT_PRED2(says, ErrorOf([](GlyphFont& f) { f.glyphs.pop_back(); }),
                 "manca il glifo sostitutivo");
    EXPECT_PRED2(says, ErrorOf([](GlyphFont& f) { f.kerning[1].right = U'Z'; }),
                 "un carattere senza glifo");
    EXPECT_PRED2(says, ErrorOf([](GlyphFont& f) { std::swap(f.kerning[0], f.kerning[1]); }),
                 "le coppie di crenatura non sono in ordine");
    EXPECT_PRED2(says, ErrorOf([](GlyphFont& f) { f.kerning[0].adjustment = -1.5; }),
                 "una crenatura è fuori dai limiti");
    // The glyphs' outlines are read as the outline files' are, steps and fill rules checked.
    EXPECT_PRED2(says, ErrorOf([](GlyphFont& f) { f.glyphs[0].outline.fill = Outline::Fill(7); }),
                 "regola di riempimento 7 sconosciuta");
    EXPECT_PRED2(says,
                 ErrorOf([](GlyphFont& f) { f.glyphs[0].outline.steps[1] = Outline::Step(5); }),
                 "passo 5 sconosciuto");
}

TEST(GlyphFont, ALineTakesItsAdvancesAndKerningFromTheFont) {
    const GlyphFont font = Sample();
    const TextLine av = LayOutLine(font, "AV", 16);
    EXPECT_EQ(Characters(av), U"AV");
    EXPECT_EQ(Positions(av), (std::vector<double>{0, 6})); // (0.5 - 0.125) x 16
    EXPECT_EQ(av.width, 18);                               // (0.5 - 0.125 + 0.75) x 16
    EXPECT_EQ(av.height, 16);
    EXPECT_EQ(av.ascent, 12);
    EXPECT_EQ(LayOutLine(font, "VA", 16).width, 20); // a pair kerns one way round only
    const TextLine ave = LayOutLine(font, "AVé", 8);
    EXPECT_EQ(Characters(ave), U"AVé");
    EXPECT_EQ(Positions(ave), (std::vector<double>{0, 3, 9.5})); // 3 + 6 + 0.5
    EXPECT_EQ(ave.width, 12.5);
    EXPECT_EQ(LayOutLine(font, "", 16).width, 0);
    EXPECT_EQ(LayOutLine(font, "", 16).height, 16);
}

TEST(GlyphFont, WhatTheFontCannotShowBecomesTheReplacement) {
    const GlyphFont font = Sample();
    // No glyph, a stray byte, a cut sequence, overlong forms of '/' and 'A', a surrogate, one
    // past U+10FFFF.
    const std::pair<std::string, std::u32string> cases[] = {
        {"AZV", U"A\uFFFDV"},
        {"A\xffV", U"A\uFFFDV"},
        {"V\xc3", U"V\uFFFD"},
        {"\xc3"
         "A",
         U"\uFFFDA"},
        {"\xc0\xaf", U"\uFFFD\uFFFD"},
        {"\xe0\x81\x81", U"\uFFFD\uFFFD\uFFFD"},
        {"\xed\xa0\x80", U"\uFFFD\uFFFD\uFFFD"},
        {"\xf4\x90\x80\x80", U"\uFFFD\uFFFD\uFFFD\uFFFD"},
        {"\xe2\x82\xac", U"\uFFFD"}, // the euro sign, valid but without a glyph
    };
    for (const auto& [text, shown] : cases)
        EXPECT_EQ(Characters(LayOutLine(font, text, 16)), shown) << text;
    // A sequence cut by the end of the text is not completed by the bytes after it.
    EXPECT_EQ(Characters(LayOutLine(font, std::string_view("V\xc3\xa9", 2), 16)), U"V\uFFFD");
    // The replacement takes its own advance and no kerning: 0.5 + 0.25 + 0.75 ems.
    EXPECT_EQ(LayOutLine(font, "A\x80V", 16).width, 24);
}

TEST(GlyphFont, TheSerifSetsALineAsQtSetsLiberationSerif) {
    const GlyphFont& serif = MessageFont();
    // Qt 6.4's QFontMetricsF::horizontalAdvance, Liberation Serif unhinted at 16 and 17 px.
    EXPECT_NEAR(LayOutLine(serif, "SCHEMA RISOLTO con n°20 mosse", 16).width, 240.98, 0.5);
    EXPECT_NEAR(LayOutLine(serif, "in orizzontale posiziona 5 nomi di animali", 17).width, 286.86,
                0.5);
    // The font's design, in its 2048 units to the em: A and V advance 1479 each, kerned by -264;
    // the line's ascent 1825 and descent 443.
    const TextLine av = LayOutLine(serif, "AV", 2048);
    EXPECT_NEAR(av.width, 1479 + 1479 - 264, 1e-6);
    EXPECT_NEAR(av.ascent, 1825, 1e-6);
    EXPECT_NEAR(av.height, 1825 + 443, 1e-6);
    // Every character a caption can hold has a glyph of its own.
    const TextLine all = LayOutLine(
        serif, " !\"'(),-.0123456789:;?ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz°àèéìòù",
        16);
    ASSERT_EQ(all.glyphs.size(), 81u);
    for (const PlacedGlyph& g : all.glyphs)
        EXPECT_NE(serif.glyphs.at(g.glyph).codePoint, replacementCharacter) << g.x;
}
