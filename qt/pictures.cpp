#include "qt/pictures.h"

#include "view/device_pixels.h"

#include <QDataStream>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cmath>

namespace pirandella {

namespace {

std::vector<QPainterPath> ReadPaths(const QString& resource) {
    QFile file(resource);
    std::vector<QPainterPath> paths;
    if (!file.open(QIODevice::ReadOnly)) return paths;
    QDataStream in(&file);
    in.setVersion(QDataStream::Qt_6_4);
    qint32 count = 0;
    in >> count;
    for (qint32 i = 0; i < count && in.status() == QDataStream::Ok; ++i) {
        QPainterPath path;
        in >> path;
        paths.push_back(path);
    }
    return paths;
}

QImage NewImage(QSize size, QColor fill) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(fill);
    return image;
}

QPixmap Finish(const QImage& image, qreal devicePixelRatio) {
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

// A letter tile. In its place: a red letter with a pale pink shadow below and to the right, on a
// transparent ground. Elsewhere: a dark grey letter on white, with a grey line along the right
// column and the bottom row, as thick as a frame line.
QPixmap DrawTile(const QPainterPath& letter, bool inPlace, QSize size, qreal dpr) {
    QImage image = NewImage(size, inPlace ? QColor(Qt::transparent) : QColor(Qt::white));
    QPainter p(&image);
    const int line = FrameThickness(dpr);
    if (!inPlace) {
        const QColor grey(161, 161, 161);
        p.fillRect(size.width() - line, 0, line, size.height(), grey);
        p.fillRect(0, size.height() - line, size.width(), line, grey);
    }
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(dpr, dpr);
    if (inPlace) p.fillPath(letter.translated(line / dpr, line / dpr), QColor(255, 202, 202));
    p.fillPath(letter, inPlace ? QColor(255, 45, 45) : QColor(51, 51, 51));
    p.end();
    return Finish(image, dpr);
}

QPixmap DrawPage(const std::vector<QPainterPath>& text, QSize size, qreal dpr) {
    QImage image = NewImage(size, Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(dpr, dpr);
    for (const QPainterPath& path : text) p.fillPath(path, Qt::black);
    p.end();
    return Finish(image, dpr);
}

// Maps a point of the arrow pointing down to the arrow pointing the given way.
QPointF Turn(Pointer p, QPointF q) {
    switch (p) {
    case Pointer::ArrowUp:
        return {q.x(), 14 - q.y()};
    case Pointer::ArrowRight:
        return {q.y(), q.x()};
    case Pointer::ArrowLeft:
        return {14 - q.y(), q.x()};
    default:
        return q;
    }
}

// A hollow block arrow in a 16 x 16 cell: a black outline with a light grey inner line, drawn
// through pixel centres with lines one pixel wide at the given scale.
QPixmap DrawPointer(Pointer p, qreal dpr) {
    static const QPolygonF outer{{5, 0}, {9, 0}, {9, 7}, {13, 7}, {7, 13}, {1, 7}, {5, 7}, {5, 0}};
    static const QPolygonF inner{{6, 1}, {8, 1}, {8, 8}, {11, 8}, {7, 12}, {3, 8}, {6, 8}, {6, 1}};
    const int side = static_cast<int>(std::lround(16 * dpr));
    QImage image = NewImage(QSize(side, side), Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(dpr, dpr);
    painter.translate(0.5, 0.5);
    for (const auto& [shape, colour] :
         {std::pair{outer, QColor(Qt::black)}, std::pair{inner, QColor(200, 200, 200)}}) {
        QPolygonF turned;
        for (const QPointF& point : shape) turned << Turn(p, point);
        painter.setPen(QPen(colour, 1.0));
        painter.drawPolyline(turned);
    }
    painter.end();
    return Finish(image, dpr);
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

const QPixmap& Pictures::background(qreal devicePixelRatio) {
    const bool dense = devicePixelRatio > 1;
    if (background_.isNull() || (background_.devicePixelRatio() > 1) != dense) {
        background_ = QPixmap(dense ? QStringLiteral(":/background@2x.jpg")
                                    : QStringLiteral(":/background.jpg"),
                              "JPG");
        background_.setDevicePixelRatio(dense ? 2 : 1);
    }
    return background_;
}

const QPainterPath& Pictures::letter(int item) {
    if (letters_.empty()) letters_ = ReadPaths(QStringLiteral(":/letters.paths"));
    static const QPainterPath none;
    return item >= 1 && item <= static_cast<int>(letters_.size()) ? letters_[item - 1] : none;
}

const QPixmap& Pictures::picture(const Picture& p, QSize devicePixels, qreal devicePixelRatio) {
    static const QPixmap none;
    const bool tile = p.list == PictureList::ImageList2 || p.list == PictureList::ImageList3;
    if ((!tile && p.list != PictureList::Instructions) || devicePixels.isEmpty()) return none;
    if (tile && (p.item < 1 || p.item > tileListItems)) return none;
    const auto key = std::tuple(static_cast<int>(p.list), p.item, devicePixels.width(),
                                devicePixels.height(), Hundredths(devicePixelRatio));
    auto found = drawn_.find(key);
    if (found != drawn_.end()) return found->second;
    QPixmap drawn;
    if (tile) {
        drawn = DrawTile(letter(p.item), p.list == PictureList::ImageList2, devicePixels,
                         devicePixelRatio);
    } else {
        if (page_.empty()) page_ = ReadPaths(QStringLiteral(":/instructions.paths"));
        drawn = DrawPage(page_, devicePixels, devicePixelRatio);
    }
    return drawn_.emplace(key, drawn).first->second;
}

QPoint Pictures::PointerTip(Pointer p) {
    return Turn(p, QPointF(7, 13)).toPoint();
}

const QCursor& Pictures::cursor(Pointer p, qreal devicePixelRatio) {
    const auto key = std::pair(static_cast<int>(p), Hundredths(devicePixelRatio));
    auto found = cursors_.find(key);
    if (found != cursors_.end()) return found->second;
    if (p == Pointer::Default) return cursors_.emplace(key, QCursor(Qt::ArrowCursor)).first->second;
    const QPixmap picture = DrawPointer(p, devicePixelRatio);
    // The tip's pixel at this scale. X11 takes a hot spot in the picture's own pixels, the other
    // platforms take it in pixels of the layout.
    const QPointF tip = (QPointF(PointerTip(p)) + QPointF(0.5, 0.5)) * devicePixelRatio;
    const bool devicePixelsHotSpot = QGuiApplication::platformName() == QLatin1String("xcb");
    const QPoint hot = devicePixelsHotSpot
                           ? QPoint(static_cast<int>(tip.x()), static_cast<int>(tip.y()))
                           : PointerTip(p);
    return cursors_.emplace(key, QCursor(picture, hot.x(), hot.y())).first->second;
}

QFont Pictures::font(const std::string& name, float points) {
    QFont f(name == "Times New Roman" ? serifFamily() : QString::fromStdString(name));
    f.setPointSizeF(points);
    return f;
}

const QString& Pictures::serifFamily() {
    if (serifFamily_.isEmpty()) {
        // The system's copy when it has one, which costs nothing to load; else the one built in,
        // so the message line looks the same on every machine.
        serifFamily_ = QStringLiteral("Liberation Serif");
        if (!QFontDatabase::hasFamily(serifFamily_)) {
            const int id =
                QFontDatabase::addApplicationFont(QStringLiteral(":/LiberationSerif-Regular.ttf"));
            const QStringList families = QFontDatabase::applicationFontFamilies(id);
            if (!families.isEmpty()) serifFamily_ = families.first();
        }
    }
    return serifFamily_;
}

} // namespace pirandella
