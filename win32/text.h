// Words in UTF-16, as Windows takes them.
#pragma once

#include <string>

namespace pirandella {

std::wstring Widen(const std::string& utf8);

} // namespace pirandella
