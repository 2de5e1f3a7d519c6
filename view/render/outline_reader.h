// Reading the files the game draws from (the outline files and the glyph file, which share one
// encoding of an outline): front to back, never past the end, never throwing. The first fault
// found stops the reading, with the byte where it was found; every read after it fails too.
#pragma once

#include "view/render/outline_file.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace pirandella {

// How a file holds its numbers: as 8-byte IEEE doubles (the outline files), or as 2-byte signed
// whole numbers of 1/12288 (the glyph file: every number of its font is one, and so reads back
// as exactly the double it was). An outline in units also has the quadratic step: its control
// point and its end, read as the cubic of the same curve; its steps' codes all come before its
// points; and each point is written as its distance from the point written before it in the
// outline (the first from 0, 0).
enum class Numbers { Doubles, Units };
inline constexpr double unitsPerOne = 12288;
inline constexpr std::uint8_t quadraticStep = 3; // its code in an outline in units

class OutlineReader {
  public:
    explicit OutlineReader(std::string_view bytes) : bytes_(bytes) {}

    // Notes the fault (the first only) and answers false.
    bool fail(const std::string& what);
    bool failed() const { return !error_.empty(); }
    // "Il file NAME è danneggiato: WHAT, al byte N."
    std::string message(const std::string& fileName) const;
    std::size_t left() const { return bytes_.size() - at_; }

    bool bytes(const char* expected, std::size_t n, const char* otherwise); // these bytes next
    bool byte(std::uint8_t& v);
    bool u32(std::uint32_t& v);
    // Finite, within +-limit.
    bool number(double& v, double limit, const char* what, Numbers n = Numbers::Doubles);

    // One outline whose coordinates lie within +-limit, taking its points from what the file may
    // still hold (maxPointsPerFile at its start).
    bool outline(Outline& o, double limit, std::uint32_t& pointsLeft, Numbers n = Numbers::Doubles);

  private:
    // A point of an outline in units: its distance from `at`, the point before it, which it
    // then becomes.
    bool unitPoint(std::int32_t (&at)[2], double limit);

    std::string_view bytes_;
    std::size_t at_ = 0;
    std::string error_;
};

void PutU32(std::string& out, std::uint32_t v);
void PutNumber(std::string& out, double d);
void PutOutline(std::string& out, const Outline& o);
// In units: false, and nothing written, for a number that is not a whole number of them that
// two bytes hold.
bool PutUnits(std::string& out, double d);
// False for an outline with such a number, or with a point too far from the one before it; a
// cubic that is a quadratic curve, with the quadratic's control point within +-limit, is
// written as the quadratic.
bool PutUnitOutline(std::string& out, const Outline& o, double limit);

} // namespace pirandella
