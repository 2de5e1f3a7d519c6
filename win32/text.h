// Text through GDI: words in UTF-16 for Windows, and a line of text as a coverage mask, drawn
// antialiased in grey (never in ClearType colours, which would fringe on the photograph).
#pragma once

#include "view/coverage_raster.h"

#include <windows.h>

#include <string>

namespace pirandella {

std::wstring Widen(const std::string& utf8);
// The text's advance width and line height in the font's pixels.
SIZE LineSize(HDC dc, HFONT font, const std::wstring& text);
// The text drawn from its line box's top-left corner, which the mask's box starts at (0, 0).
CoverageMask TextCoverage(HDC dc, HFONT font, const std::wstring& text);

} // namespace pirandella
