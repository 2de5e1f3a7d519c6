#include "win32/text.h"

namespace pirandella {

std::wstring Widen(const std::string& utf8) {
    if (utf8.empty()) return {};
    const int n =
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(n, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), n);
    return wide;
}

SIZE LineSize(HDC dc, HFONT font, const std::wstring& text) {
    const HGDIOBJ old = SelectObject(dc, font);
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    size.cy = metrics.tmHeight;
    SelectObject(dc, old);
    return size;
}

CoverageMask TextCoverage(HDC dc, HFONT font, const std::wstring& text) {
    SIZE size = LineSize(dc, font, text);
    // Room for letters that reach past their advance (an italic's overhang, a final "f").
    size.cx += size.cy / 2;
    if (size.cx <= 0 || size.cy <= 0) return {};
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), size.cx, -size.cy, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap || !bits) { // no pixels to read: an empty mask, never a size without them
        if (bitmap) DeleteObject(bitmap);
        return {};
    }
    CoverageMask mask{{0, 0, static_cast<int>(size.cx), static_cast<int>(size.cy)}, {}};
    const HGDIOBJ oldBitmap = SelectObject(dc, bitmap);
    const HGDIOBJ oldFont = SelectObject(dc, font);
    // White on black: the brightness of each pixel is how much of it the letters cover.
    SetTextColor(dc, RGB(255, 255, 255));
    SetBkColor(dc, RGB(0, 0, 0));
    SetTextAlign(dc, TA_TOP | TA_LEFT | TA_NOUPDATECP);
    const RECT all{0, 0, size.cx, size.cy};
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &all, text.c_str(), static_cast<UINT>(text.size()), nullptr);
    GdiFlush();
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    mask.alpha.resize(static_cast<std::size_t>(size.cx) * size.cy);
    for (std::size_t i = 0; i < mask.alpha.size(); ++i)
        mask.alpha[i] = static_cast<std::uint8_t>(pixels[i] >> 8 & 0xff);
    SelectObject(dc, oldFont);
    SelectObject(dc, oldBitmap);
    DeleteObject(bitmap);
    return mask;
}

} // namespace pirandella
