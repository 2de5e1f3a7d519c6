#include "win32/pictures.h"

#include "view/painting/pointer_shape.h"
#include "view/render/outline_file.h"
#include "win32/resources.h"

#include <ocidl.h>
#include <olectl.h>
#include <shlwapi.h>

#include <algorithm>

namespace pirandella {

namespace {

// A JPEG decoded by OLE, which every Windows and Wine has.
PixelImage DecodeJpeg(std::string_view bytes) {
    PixelImage image;
    IStream* stream = SHCreateMemStream(reinterpret_cast<const BYTE*>(bytes.data()),
                                        static_cast<UINT>(bytes.size()));
    if (!stream) return image;
    IPicture* picture = nullptr;
    const HRESULT loaded = OleLoadPicture(stream, static_cast<LONG>(bytes.size()), FALSE,
                                          __uuidof(IPicture), reinterpret_cast<void**>(&picture));
    stream->Release();
    OLE_HANDLE handle = 0;
    if (FAILED(loaded) || FAILED(picture->get_Handle(&handle))) {
        if (picture) picture->Release();
        return image;
    }
    const auto bitmap = reinterpret_cast<HBITMAP>(static_cast<UINT_PTR>(handle));
    BITMAP info{};
    GetObjectW(bitmap, sizeof info, &info);
    image.width = info.bmWidth;
    image.height = info.bmHeight;
    image.pixels.resize(static_cast<std::size_t>(image.width) * image.height);
    BITMAPINFO want = Bitmap32(image.width, image.height);
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, bitmap, 0, image.height, image.pixels.data(), &want, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    picture->Release();
    for (std::uint32_t& p : image.pixels) p |= 0xff000000; // a photograph is opaque
    return image;
}

// The hot spot on the pointer's tip.
HCURSOR MakeCursor(const PixelImage& picture, OutlinePoint tip) {
    const BITMAPINFO header = Bitmap32(picture.width, picture.height);
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HBITMAP colour = CreateDIBSection(screen, &header, DIB_RGB_COLORS, &bits, nullptr, 0);
    ReleaseDC(nullptr, screen);
    if (!colour) return LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    std::transform(picture.pixels.begin(), picture.pixels.end(), static_cast<std::uint32_t*>(bits),
                   Unpremultiplied);
    HBITMAP mask = CreateBitmap(picture.width, picture.height, 1, 1, nullptr);
    ICONINFO info{FALSE, static_cast<DWORD>(tip.x), static_cast<DWORD>(tip.y), mask, colour};
    HCURSOR cursor = CreateIconIndirect(&info);
    DeleteObject(mask);
    DeleteObject(colour);
    return cursor;
}

} // namespace

Pictures::~Pictures() {
    for (const auto& [key, cursor] : cursors_) DestroyCursor(cursor);
}

std::string_view Pictures::resource(int id) const {
    HRSRC found = FindResourceW(instance_, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(10)); // RCDATA
    const void* bytes = found ? LockResource(LoadResource(instance_, found)) : nullptr;
    if (!bytes) return {};
    return {static_cast<const char*>(bytes), SizeofResource(instance_, found)};
}

// Decoded once, and resampled once for each size asked for: one for each display scale.
const PixelImage& Pictures::photo(Photo p, int width, int height) {
    const auto [decoded, fresh] = decoded_.try_emplace(p);
    if (fresh)
        decoded->second =
            DecodeJpeg(resource(p == Photo::Background2x ? IDR_BACKGROUND_2X : IDR_BACKGROUND));
    const PixelImage& from = decoded->second;
    if (from.width == width && from.height == height) return from;
    const auto [sized, made] = sized_.try_emplace({p, width, height});
    if (made) sized->second = Resample(from, width, height);
    return sized->second;
}

std::string Pictures::readArtwork() {
    return ReadArtwork(artwork_, [this](const char* name) -> std::optional<std::string> {
        const std::string_view bytes =
            resource(std::string_view(name) == lettersFile ? IDR_LETTERS : IDR_PAGE);
        if (!bytes.data()) return std::nullopt; // missing, rather than damaged
        return std::string(bytes);
    });
}

HCURSOR Pictures::cursor(Pointer p, int dpi) {
    if (p == Pointer::Default) return LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    const auto key = std::pair(p, dpi);
    if (auto found = cursors_.find(key); found != cursors_.end()) return found->second;
    const double scale = dpi / 96.0;
    const HCURSOR made = MakeCursor(PointerPicture(p, scale), PointerTipAt(p, scale));
    return cursors_.emplace(key, made).first->second;
}

} // namespace pirandella
