// Words in UTF-16, as Windows takes them.
#pragma once

#include <windows.h>

#include <string>

namespace pirandella {

inline std::wstring Widen(const std::string& utf8) {
    const int length = static_cast<int>(utf8.size());
    std::wstring wide(MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, nullptr, 0), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, wide.data(),
                        static_cast<int>(wide.size()));
    return wide;
}

} // namespace pirandella
