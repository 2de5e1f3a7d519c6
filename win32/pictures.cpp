#include "win32/pictures.h"

#include "view/pointer_shape.h"
#include "win32/resources.h"
#include "win32/text.h"

#include <ocidl.h>
#include <olectl.h>

#include <cmath>

namespace pirandella {

namespace {

// A JPEG decoded by OLE, which every Windows and Wine has.
PixelImage DecodeJpeg(std::string_view bytes) {
    PixelImage image;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    if (!memory) return image;
    std::copy(bytes.begin(), bytes.end(), static_cast<char*>(GlobalLock(memory)));
    GlobalUnlock(memory);
    IStream* stream = nullptr;
    if (FAILED(CreateStreamOnHGlobal(memory, TRUE, &stream))) {
        GlobalFree(memory);
        return image;
    }
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
    BITMAPINFO want{};
    want.bmiHeader = {
        sizeof(BITMAPINFOHEADER), image.width, -image.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, bitmap, 0, image.height, image.pixels.data(), &want, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    picture->Release();
    for (std::uint32_t& p : image.pixels) p |= 0xff000000; // a photograph is opaque
    return image;
}

HCURSOR MakeCursor(const PixelImage& picture, POINT hotSpot) {
    BITMAPV5HEADER header{};
    header.bV5Size = sizeof header;
    header.bV5Width = picture.width;
    header.bV5Height = -picture.height;
    header.bV5Planes = 1;
    header.bV5BitCount = 32;
    header.bV5Compression = BI_BITFIELDS;
    header.bV5RedMask = 0x00ff0000;
    header.bV5GreenMask = 0x0000ff00;
    header.bV5BlueMask = 0x000000ff;
    header.bV5AlphaMask = 0xff000000;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HBITMAP colour = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&header),
                                      DIB_RGB_COLORS, &bits, nullptr, 0);
    ReleaseDC(nullptr, screen);
    if (!colour) return LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    // A pointer's pixels take their colour unmultiplied by alpha.
    auto* out = static_cast<std::uint32_t*>(bits);
    for (std::size_t i = 0; i < picture.pixels.size(); ++i) {
        const std::uint32_t p = picture.pixels[i], a = p >> 24;
        std::uint32_t straight = p & 0xff000000;
        for (int shift = 0; shift < 24 && a; shift += 8)
            straight |= std::min<std::uint32_t>(255, ((p >> shift & 0xff) * 255 + a / 2) / a)
                        << shift;
        out[i] = straight;
    }
    HBITMAP mask = CreateBitmap(picture.width, picture.height, 1, 1, nullptr);
    ICONINFO info{FALSE, static_cast<DWORD>(hotSpot.x), static_cast<DWORD>(hotSpot.y), mask,
                  colour};
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
    if (!found) return {};
    HGLOBAL loaded = LoadResource(instance_, found);
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes) return {};
    return {static_cast<const char*>(bytes), SizeofResource(instance_, found)};
}

const PixelImage& Pictures::photo(Photo p, int width, int height) {
    const auto key = std::tuple(p, width, height);
    if (sizedKey_ == key) return sized_;
    auto decoded = decoded_.find(p);
    if (decoded == decoded_.end())
        decoded = decoded_
                      .emplace(p, DecodeJpeg(resource(p == Photo::Background2x ? IDR_BACKGROUND_2X
                                                                               : IDR_BACKGROUND)))
                      .first;
    const PixelImage& from = decoded->second;
    sized_ = from.width == width && from.height == height ? from : Resample(from, width, height);
    sizedKey_ = key;
    return sized_;
}

const Artwork& Pictures::artwork() {
    if (!artwork_)
        artwork_ = Artwork{outlines(IDR_LETTERS, lettersFile), outlines(IDR_PAGE, pageFile)};
    return *artwork_;
}

// A resource that is not there at all is missing; one that is there and wrong is damaged.
std::vector<Outline> Pictures::outlines(int id, const char* name) const {
    const std::string_view bytes = resource(id);
    if (!bytes.data()) throw OutlineError(MissingOutlineFile(name));
    return ReadOutlines(bytes, name);
}

HCURSOR Pictures::cursor(Pointer p, int dpi) {
    if (p == Pointer::Default) return LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
    const auto key = std::pair(p, dpi);
    if (auto found = cursors_.find(key); found != cursors_.end()) return found->second;
    const double scale = dpi / 96.0;
    const OutlinePoint tip = PointerTipAt(p, scale); // the hot spot
    const POINT hot{static_cast<LONG>(tip.x), static_cast<LONG>(tip.y)};
    return cursors_.emplace(key, MakeCursor(PointerPicture(p, scale), hot)).first->second;
}

} // namespace pirandella
