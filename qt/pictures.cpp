#include "qt/pictures.h"

#include "view/painting/pointer_shape.h"
#include "view/painting/raster_canvas.h"

#include <QGuiApplication>
#include <QImage>
#include <QResource>
#include <cmath>

namespace pirandella {

namespace {

// The core's picture of the pointer as Qt's, its pixels in the same order.
QPixmap DrawPointer(Pointer p, qreal dpr) {
    const PixelImage picture = PointerPicture(p, dpr);
    QImage image(reinterpret_cast<const uchar*>(picture.pixels.data()), picture.width,
                 picture.height, picture.width * 4, QImage::Format_ARGB32_Premultiplied);
    QPixmap pixmap = QPixmap::fromImage(image.copy());
    pixmap.setDevicePixelRatio(dpr);
    return pixmap;
}

} // namespace

QIcon WindowIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/pirandella-%1.png").arg(size), QSize(size, size));
    return icon;
}

Pictures::Pictures() {
    error_ = ReadArtwork(artwork_, [](const char* name) -> std::optional<std::string> {
        const QResource file(QStringLiteral(":/") + QLatin1String(name));
        if (!file.isValid()) return std::nullopt;
        return file.uncompressedData().toStdString();
    });
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
    const auto key =
        std::pair(static_cast<int>(p), static_cast<int>(std::lround(devicePixelRatio * 100)));
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
