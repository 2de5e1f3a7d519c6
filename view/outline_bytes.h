// The byte-level reading and writing shared by the outline file and the glyph file: a reader
// that refuses to step past the end and names the file and byte of any fault, and one outline
// in the encoding both files use (see view/outlines.h).
#pragma once

#include "view/outlines.h"

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

namespace pirandella::outline_bytes {

class Reader {
  public:
    // `kind` says what the file is in a message: "outline file", "glyph file".
    Reader(std::string_view bytes, const char* kind, const std::string& name)
        : bytes_(bytes), kind_(kind), name_(name) {}

    [[noreturn]] void fail(const std::string& what) const;
    std::size_t left() const { return bytes_.size() - at_; }
    const char* take(std::size_t n);
    std::uint8_t byte() { return static_cast<std::uint8_t>(*take(1)); }
    std::uint32_t u32();
    double number(); // a finite double, or a fault

  private:
    std::string_view bytes_;
    const char* kind_;
    const std::string& name_;
    std::size_t at_ = 0;
};

// One outline whose coordinates all lie within +-limit.
Outline ReadOutline(Reader& in, double limit = std::numeric_limits<double>::max());

void Put32(std::string& out, std::uint32_t v);
void PutNumber(std::string& out, double d);
void PutOutline(std::string& out, const Outline& o);

} // namespace pirandella::outline_bytes
