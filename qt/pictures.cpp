#include "qt/pictures.h"

#include "view/painting/pointer_shape.h"
#include "view/painting/raster_canvas.h"

#include <QGuiApplication>
#include <QImage>
#include <QResource>
#include <cmath>

namespace pirandella {

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
    if (added) {
        at->second.setFillRule(found->fill == Outline::Fill::NonZero ? Qt::WindingFill
                                                                     : Qt::OddEvenFill);
        TraceOutline(*found, at->second);
    }
    return &at->second;
}

// The core's picture of the pointer, its pixels in Qt's order. X11 takes a hot spot in the
// picture's own pixels, the other platforms in pixels of the layout.
const QCursor& Pictures::cursor(Pointer p, qreal dpr) {
    const auto key = std::pair(static_cast<int>(p), static_cast<int>(std::lround(dpr * 100)));
    if (auto found = cursors_.find(key); found != cursors_.end()) return found->second;
    if (p == Pointer::Default) return cursors_.emplace(key, QCursor(Qt::ArrowCursor)).first->second;
    const PixelImage picture = PointerPicture(p, dpr);
    QPixmap pixmap = QPixmap::fromImage(
        QImage(reinterpret_cast<const uchar*>(picture.pixels.data()), picture.width, picture.height,
               picture.width * 4, QImage::Format_ARGB32_Premultiplied)
            .copy());
    pixmap.setDevicePixelRatio(dpr);
    const bool x11 = QGuiApplication::platformName() == QLatin1String("xcb");
    const OutlinePoint hot = x11 ? PointerTipAt(p, dpr) : PointerTip(p);
    return cursors_.emplace(key, QCursor(pixmap, int(hot.x), int(hot.y))).first->second;
}

} // namespace pirandella
