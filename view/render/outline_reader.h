// Reading the files the game draws from (the outline files and the glyph file, which share one
// encoding of an outline): front to back, never past the end, never throwing. The first fault
// found stops the reading, with the byte where it was found; every read after it fails too.
#pragma once

#include "view/render/outline_file.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace pirandella {

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
    bool number(double& v, double limit, const char* what); // finite, within +-limit

    // One outline whose coordinates lie within +-limit, taking its points from what the file may
    // still hold (maxPointsPerFile at its start).
    bool outline(Outline& o, double limit, std::uint32_t& pointsLeft);

  private:
    std::string_view bytes_;
    std::size_t at_ = 0;
    std::string error_;
};

void PutU32(std::string& out, std::uint32_t v);
void PutNumber(std::string& out, double d);
void PutOutline(std::string& out, const Outline& o);

} // namespace pirandella
