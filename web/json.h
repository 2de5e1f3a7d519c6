// Text for the page in JSON, which it reads with JSON.parse.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace pirandella {

// Quotes, backslashes and control characters escaped; everything else, UTF-8 included, as it is.
inline std::string JsonString(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            constexpr char hex[] = "0123456789abcdef";
            out += "\\u00";
            out += hex[c >> 4];
            out += hex[c & 15];
        } else {
            out += c;
        }
    }
    return out + '"';
}

// A double's exact decimal, which JSON.parse reads back as the same double: every double is a
// whole number times a power of two, and so has a decimal that ends. Written without printf, whose
// formatting of numbers would be most of what the page's WebAssembly links of the C library.
// JSON has no infinity or NaN: none for them.
inline std::string JsonNumber(double value) {
    if (!std::isfinite(value)) return "null";
    std::string out = std::signbit(value) ? "-" : "";
    if (value == 0) return out + '0';
    int exponent = 0; // |value| = whole x 2^exponent
    auto whole = static_cast<std::uint64_t>(std::ldexp(std::frexp(std::abs(value), &exponent), 53));
    for (exponent -= 53; whole % 2 == 0 && exponent < 0; whole /= 2) ++exponent;
    std::string digits; // least significant first
    for (; whole != 0; whole /= 10) digits += static_cast<char>('0' + whole % 10);
    // Times 2 for each power above 1; times 5 for each below, the point one place further left.
    for (int n = std::abs(exponent); n > 0; --n) {
        int carry = 0;
        for (char& d : digits) {
            const int v = (d - '0') * (exponent > 0 ? 2 : 5) + carry;
            d = static_cast<char>('0' + v % 10);
            carry = v / 10;
        }
        if (carry) digits += static_cast<char>('0' + carry);
    }
    const std::size_t point = exponent < 0 ? static_cast<std::size_t>(-exponent) : 0;
    digits.resize(std::max(digits.size(), point + 1), '0');
    for (std::size_t i = digits.size(); i-- > 0;) {
        out += digits[i];
        if (i == point && point > 0) out += '.';
    }
    return out;
}

// Each item, and each field's value, already JSON.
inline std::string JsonArray(const std::vector<std::string>& items) {
    std::string out = "[";
    for (const std::string& item : items) out += (out.size() > 1 ? "," : "") + item;
    return out + ']';
}

using JsonFields = std::initializer_list<std::pair<std::string_view, std::string>>;
inline std::string JsonObject(JsonFields fields) {
    std::string out = "{";
    for (const auto& [name, value] : fields)
        out += (out.size() > 1 ? "," : "") + JsonString(name) + ':' + value;
    return out + '}';
}

} // namespace pirandella
