#include "qt/pictures.h"

#include "view/painting/pointer_shape.h"
#include "view/painting/raster_canvas.h"

#include <QGuiApplication>
#include <QImage>
#include <QResource>
#include <cmath>

namespace pirandella {

namespace {

// A built-in outline file, all of it or nothing, read where the program holds it.
OutlineFile ReadBuiltIn(const char* name) {
    const QResource file(QStringLiteral(":/") + QLatin1String(name));
    if (!file.isValid()) return {{}, MissingOutlineFile(name)};
    const QByteArray bytes = file.uncompressedData();
    return ReadOutlineFile(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), name);
}

// The core's picture of the pointer as Qt's, its pixels in the same order.
QPixmap DrawPointer(Pointer p, qreal dpr) {
    const PixelImage picture = PointerPicture(p, dpr);
    QImage image(reinterpret_cast<const uchar*>(picture.pixels.data()), picture.width,
                 picture.height, picture.width * 4, QImage::Format_ARGB32_Premultiplied);
    QPixmap pixmap = QPixmap::fromImage(image.copy());
    pixmap.setDevicePixelRatio(dpr);
    return pixmap;
}

int Hundredths(qreal dpr) {
    return static_cast<int>(std::lround(dpr * 100));
}

} // namespace

QIcon WindowIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/pirandella-%1.png").arg(size), QSize(size, size));
    return icon;
}

Pictures::Pictures() {
    for (auto [set, name] : {std::pair{&artwork_.letters, lettersFile}, {&artwork_.page, pageFile}}) {
        OutlineFile file = ReadBuiltIn(name);
        *set = std::move(file.outlines);
        if (error_.empty()) error_ = std::move(file.error);
    }
}

const QPixmap& Pictures::photo(Photo p) {
    QPixmap& photo = photos_[p];
    if (photo.isNull())
        photo = QPixmap(p == Photo::Background2x ? QStringLiteral(":/background@2x.jpg")
                                                 : QStringLiteral(":/background.jpg"),
                        "JPG");
    return photo;
}

const QPainterPath* Pictures::path(OutlineId id) {
    const Outline* found = artwork_.find(id);
    if (!found) return nullptr;
    auto [at, added] = paths_.try_emplace(id);
    if (!added) return &at->second;
    QPainterPath& path = at->second;
    path.setFillRule(found->fill == Outline::Fill::NonZero ? Qt::WindingFill : Qt::OddEvenFill);
    TraceOutline(*found, path);
    return &path;
}

const QCursor& Pictures::cursor(Pointer p, qreal devicePixelRatio) {
    const auto key = std::pair(static_cast<int>(p), Hundredths(devicePixelRatio));
    auto found = cursors_.find(key);
    if (found != cursors_.end()) return found->second;
    if (p == Pointer::Default) return cursors_.emplace(key, QCursor(Qt::ArrowCursor)).first->second;
    const QPixmap picture = DrawPointer(p, devicePixelRatio);
    // X11 takes a hot spot in the picture's own pixels, the other platforms in pixels of the
    // layout.
    const bool devicePixelsHotSpot = QGuiApplication::platformName() == QLatin1String("xcb");
    const OutlinePoint hot =
        devicePixelsHotSpot ? PointerTipAt(p, devicePixelRatio) : PointerTip(p);
    return cursors_.emplace(key, QCursor(picture, int(hot.x), int(hot.y))).first->second;
}

} // namespace pirandella
