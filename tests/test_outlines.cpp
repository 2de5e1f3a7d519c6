// The outline file: what is written is read back exactly, and a damaged file is refused whole
// with a message naming it.
#include "view/outlines.h"

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
    dot.points = {{0, 0}, {-1e-9, 1e300}};
    return {ring, dot};
}

std::string Error(const std::string& bytes) {
    try {
        ReadOutlines(bytes, "letters.outlines");
    } catch (const OutlineError& e) {
        return e.what();
    }
    return "read without complaint";
}

} // namespace

TEST(Outlines, ReadBackExactlyWhatWasWritten) {
    const std::string bytes = WriteOutlines(Sample());
    EXPECT_EQ(bytes.substr(0, 12), std::string("PIRAOUTL\1\0\0\0", 12));
    EXPECT_EQ(ReadOutlines(bytes, "x"), Sample());
}

TEST(Outlines, ADamagedFileIsRefusedWholeWithItsName) {
    const std::string good = WriteOutlines(Sample());
    for (std::size_t n = 0; n < good.size(); ++n) // cut anywhere: refused, never half read
        EXPECT_NE(Error(good.substr(0, n)).find("letters.outlines is damaged"), std::string::npos)
            << n;
    std::string bytes = good;
    bytes[9] = 2;
    EXPECT_EQ(Error(bytes), "pirandella: the outline file letters.outlines is damaged: version "
                            "513 is not known at byte 12");
    bytes = good;
    bytes[0] = 'X';
    EXPECT_NE(Error(bytes).find("not an outline file"), std::string::npos);
    bytes = good;
    bytes[17] = 2; // the first outline's step count: fewer steps than written
    EXPECT_NE(Error(bytes).find("damaged"), std::string::npos);
    bytes = good;
    bytes[21] = 1; // the first step a line
    EXPECT_NE(Error(bytes).find("does not start with a move"), std::string::npos);
    bytes = good;
    bytes.replace(22, 8, "\0\0\0\0\0\0\xf8\x7f", 8); // not a number
    EXPECT_NE(Error(bytes).find("not a number"), std::string::npos);
    EXPECT_NE(Error(good + "x").find("after the last outline"), std::string::npos);
    bytes = good;
    bytes[13] = 0x7f; // an outline count far beyond the file
    EXPECT_NE(Error(bytes).find("more outlines than the file holds"), std::string::npos);
}
