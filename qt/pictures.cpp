#include "qt/pictures.h"

#include "view/pointer_shape.h"

#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cmath>

namespace pirandella {

namespace {

// A built-in outline file, all of it or nothing.
std::vector<Outline> ReadBuiltIn(const char* name) {
    QFile file(QStringLiteral(":/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly)) throw OutlineError(MissingOutlineFile(name));
    const QByteArray bytes = file.readAll();
    return ReadOutlines(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                        name);
}

// The pointer drawn through pixel centres with lines one pixel wide at the given scale.
QPixmap DrawPointer(Pointer p, qreal dpr) {
    const int side = static_cast<int>(std::lround(pointerSize * dpr));
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(dpr, dpr);
    painter.translate(0.5, 0.5);
    for (const PointerLine& line : PointerLines(p)) {
        QPolygonF polyline;
        for (const OutlinePoint& point : line.points) polyline << QPointF(point.x, point.y);
        painter.setPen(QPen(QColor(line.colour.r, line.colour.g, line.colour.b), 1.0));
        painter.drawPolyline(polyline);
    }
    painter.end();
    QPixmap pixmap = QPixmap::fromImage(image);
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
    artwork_.letters = ReadBuiltIn(lettersFile);
    artwork_.page = ReadBuiltIn(pageFile);
}

const QPixmap& Pictures::photo(Photo p) {
    QPixmap& photo = photos_[p];
    if (photo.isNull())
        photo = QPixmap(p == Photo::Background2x ? QStringLiteral(":/background@2x.jpg")
                                                 : QStringLiteral(":/background.jpg"),
                        "JPG");
    return photo;
}

const QPainterPath& Pictures::path(const Outline& outline) {
    auto [at, added] = paths_.try_emplace(&outline);
    if (!added) return at->second;
    QPainterPath& path = at->second;
    path.setFillRule(outline.fill == Outline::Fill::NonZero ? Qt::WindingFill : Qt::OddEvenFill);
    const std::vector<OutlinePoint>& p = outline.points;
    std::size_t i = 0;
    for (const Outline::Step step : outline.steps) {
        if (step == Outline::Step::Move) {
            path.moveTo(p[i].x, p[i].y);
        } else if (step == Outline::Step::Line) {
            path.lineTo(p[i].x, p[i].y);
        } else {
            path.cubicTo(p[i].x, p[i].y, p[i + 1].x, p[i + 1].y, p[i + 2].x, p[i + 2].y);
            i += 2;
        }
        ++i;
    }
    return path;
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
