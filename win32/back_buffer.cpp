#include "win32/back_buffer.h"

namespace pirandella {

void BackBuffer::paint(HDC dc, SIZE size, const Midend& game, Pictures& pictures,
                       bool boardHasKeys) {
    if (size.cx <= 0 || size.cy <= 0) return;
    pixels_.width = size.cx;
    pixels_.height = size.cy;
    pixels_.pixels.resize(static_cast<std::size_t>(size.cx) * size.cy);
    RasterCanvas canvas(pixels_.surface(), pictures.artwork(), pictures);
    game.paint(canvas, pictures.artwork(), boardHasKeys);
    const BITMAPINFO info = Bitmap32(size.cx, size.cy);
    SetDIBitsToDevice(dc, 0, 0, size.cx, size.cy, 0, 0, 0, static_cast<UINT>(size.cy),
                      pixels_.pixels.data(), &info, DIB_RGB_COLORS);
}

} // namespace pirandella
