// Text for the page in JSON, which it reads with JSON.parse.
#pragma once

#include <cmath>
#include <cstdio>
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
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + '"';
}

// Seventeen digits read back as the same double. JSON has no infinity or NaN: none for them.
inline std::string JsonNumber(double value) {
    char text[32] = "null";
    if (std::isfinite(value)) std::snprintf(text, sizeof text, "%.17g", value);
    return text;
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
