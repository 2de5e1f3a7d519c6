// The outline file: what is written is read back exactly, and a damaged file, or one past the
// bounds a picture can use, is refused whole with a message for the player naming it.
#include "view/render/outline_file.h"

#include <gtest/gtest.h>

using namespace pirandella;

namespace {

std::vector<Outline> Sample() {
    Outline ring;
    ring.fill = Outline::Fill::NonZero;
    ring.steps = {Outline::Step::Move, Outline::Step::Line, Outline::Step::Cubic};
    ring.points = {{1.5, 2}, {30.25, 2}, {31, 3}, {31, 29}, {1.0 / 3, 29.75}};
    Outline dot;
    dot.steps = {Outline::Step::Move, Outline::Step::Line};
    dot.points = {{0, 0}, {-1e-9, 1024}};
    return {ring, dot};
}

// The reader's message, and nothing read.
std::string Error(const std::string& bytes) {
    const OutlineFile file = ReadOutlineFile(bytes, "letters.outlines");
    EXPECT_TRUE(file.outlines.empty());
    return file.error.empty() ? "read without complaint" : file.error;
}

std::vector<Outline> Read(const std::string& bytes) {
    OutlineFile file = ReadOutlineFile(bytes, "x");
    EXPECT_EQ(file.error, "");
    return std::move(file.outlines);
}

std::string WithPoints(std::uint32_t outlines, std::uint32_t points, double x = 0) {
    Outline o;
    o.steps.assign(points, Outline::Step::Line);
    o.steps[0] = Outline::Step::Move;
    o.points.assign(points, {x, 0});
    return WriteOutlines(std::vector<Outline>(outlines, o));
}

} // namespace

TEST(Outlines, ReadBackExactlyWhatWasWritten) {
    const std::string bytes = WriteOutlines(Sample());
    EXPECT_EQ(bytes.substr(0, 12), std::string("PIRAOUTL\1\0\0\0", 12));
    EXPECT_EQ(Read(bytes), Sample());
}

TEST(Outlines, ADamagedFileIsRefusedWholeWithItsName) {
    const std::string good = WriteOutlines(Sample());
    for (std::size_t n = 0; n < good.size(); ++n) // cut anywhere: refused, never half read
        EXPECT_NE(Error(good.substr(0, n)).find("Il file letters.outlines è danneggiato"),
                  std::string::npos)
            << n;
    std::string bytes = good;
    bytes[9] = 2;
    EXPECT_EQ(Error(bytes), "Il file letters.outlines è danneggiato: la versione 513 è "
                            "sconosciuta, al byte 12.");
    bytes = good;
    bytes[0] = 'X';
    EXPECT_NE(Error(bytes).find("non è un file di contorni"), std::string::npos);
    bytes = good;
    bytes[17] = 2; // the first outline's step count: fewer steps than written
    EXPECT_NE(Error(bytes).find("danneggiato"), std::string::npos);
    bytes = good;
    bytes[16] = 2; // the first outline's fill rule
    EXPECT_EQ(Error(bytes), "Il file letters.outlines è danneggiato: regola di riempimento 2 "
                            "sconosciuta, al byte 17.");
    bytes = good;
    bytes[21 + 17] = 3; // its second step
    EXPECT_EQ(Error(bytes), "Il file letters.outlines è danneggiato: passo 3 sconosciuto, al "
                            "byte 39.");
    bytes = good;
    bytes[21] = 1; // the first step a line
    EXPECT_NE(Error(bytes).find("non comincia con uno spostamento"), std::string::npos);
    bytes = good;
    bytes.replace(22, 8, "\0\0\0\0\0\0\xf8\x7f", 8); // not a number
    EXPECT_NE(Error(bytes).find("non è un numero"), std::string::npos);
    EXPECT_NE(Error(good + "x").find("dopo l'ultimo contorno"), std::string::npos);
    bytes = good;
    bytes[13] = 0x7f; // an outline count far beyond the file
    EXPECT_NE(Error(bytes).find("più contorni di quanti il file ne contenga"), std::string::npos);
    EXPECT_EQ(MissingOutlineFile("letters.outlines"), "Manca il file letters.outlines.");
}

TEST(Outlines, AFilePastTheBoundsOfAPictureIsRefused) {
    EXPECT_EQ(Error(WithPoints(1, 2, 1e308)), "Il file letters.outlines è danneggiato: una "
                                              "coordinata è oltre ±1024, al byte 30.");
    EXPECT_NE(Error(WithPoints(1, 2, -1024.001)).find("oltre ±1024"), std::string::npos);
    EXPECT_NE(Error(WithPoints(1, 65537)).find("più di 65536 punti in un contorno"),
              std::string::npos);
    EXPECT_NE(Error(WithPoints(5, 60000)).find("più di 262144 punti nel file"), std::string::npos);
    EXPECT_NE(Error(WithPoints(1025, 1)).find("più di 1024 contorni"), std::string::npos);
    // Right at every bound: read.
    EXPECT_EQ(Read(WithPoints(4, 65536, -1024)).size(), 4u);
    EXPECT_EQ(Read(WithPoints(1024, 1)).size(), 1024u);
}
