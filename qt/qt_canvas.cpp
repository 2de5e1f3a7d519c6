#include "qt/qt_canvas.h"

namespace pirandella {

namespace {

QColor ToQColor(Colour c) {
    return QColor(c.r, c.g, c.b, c.a);
}

} // namespace

QtCanvas::QtCanvas(QPainter& painter, Pictures& pictures, qreal devicePixelRatio, QPoint inWindow)
    : painter_(painter), pictures_(pictures), dpr_(devicePixelRatio), inWindow_(inWindow) {}

void QtCanvas::inDevicePixels() {
    QTransform t;
    t.scale(1 / dpr_, 1 / dpr_);
    t.translate(-inWindow_.x() * dpr_, -inWindow_.y() * dpr_);
    painter_.setWorldTransform(t);
}

void QtCanvas::inWidgetPixels() {
    painter_.setWorldTransform(QTransform());
}

// The window's device pixels back to the widget's pixels; exact for the scales in use.
QRectF QtCanvas::inWidget(const BoxF& box) const {
    return {box.x / dpr_ - inWindow_.x(), box.y / dpr_ - inWindow_.y(), box.width / dpr_,
            box.height / dpr_};
}

QPainter& QtCanvas::target() {
    if (picturePainter_.isActive()) return picturePainter_;
    inDevicePixels();
    return painter_;
}

void QtCanvas::fillBox(const BoxF& box, Colour c) {
    if (picturePainter_.isActive()) {
        picturePainter_.fillRect(
            QRectF(box.x - pictureCorner_.x(), box.y - pictureCorner_.y(), box.width, box.height),
            ToQColor(c));
        return;
    }
    inWidgetPixels();
    painter_.fillRect(inWidget(box), ToQColor(c));
}

void QtCanvas::drawFrame(const DeviceRect& box, int t, Colour c) {
    QPainter& p = target();
    const QColor colour = ToQColor(c);
    p.fillRect(box.x, box.y, box.width, t, colour);
    p.fillRect(box.x, box.y + box.height - t, box.width, t, colour);
    p.fillRect(box.x, box.y, t, box.height, colour);
    p.fillRect(box.x + box.width - t, box.y, t, box.height, colour);
}

void QtCanvas::drawPhoto(Photo photo, const BoxF& box, const BoxF& clip) {
    inWidgetPixels();
    painter_.save();
    painter_.setClipRect(inWidget(clip).toRect());
    painter_.setRenderHint(QPainter::SmoothPixmapTransform);
    const QPixmap& picture = pictures_.photo(photo);
    painter_.drawPixmap(inWidget(box), picture, QRectF(picture.rect()));
    painter_.restore();
}

void QtCanvas::beginPicture(const DeviceRect& box) {
    picture_ = QImage(box.width, box.height, QImage::Format_ARGB32_Premultiplied);
    picture_.fill(Qt::transparent);
    pictureCorner_ = QPoint(box.x, box.y);
    picturePainter_.begin(&picture_);
}

void QtCanvas::endPicture() {
    picturePainter_.end();
    inDevicePixels();
    painter_.drawImage(pictureCorner_, picture_);
}

void QtCanvas::fillOutline(const Outline& outline, Colour c, double originX, double originY,
                           double scale, const DeviceRect& clip) {
    const bool inPicture = picturePainter_.isActive();
    QPainter& p = target();
    p.save();
    if (inPicture) {
        originX -= pictureCorner_.x(); // the picture's edges are the clip
        originY -= pictureCorner_.y();
    } else {
        p.setClipRect(clip.x, clip.y, clip.width, clip.height);
    }
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(originX, originY);
    p.scale(scale, scale);
    p.fillPath(pictures_.path(outline), ToQColor(c));
    p.restore();
}

void QtCanvas::drawText(const std::string& utf8, const std::string& fontName, float points,
                        Colour c, double x, double top) {
    inWidgetPixels();
    painter_.setFont(pictures_.font(fontName, points));
    painter_.setPen(ToQColor(c));
    const QRectF at = inWidget({x, top, 0, 0});
    painter_.drawText(QPointF(at.x(), at.y() + painter_.fontMetrics().ascent()),
                      QString::fromStdString(utf8));
}

// A bright ring inside the arrow cell.
void QtCanvas::drawMarker(const BoxF& cell) {
    inWidgetPixels();
    painter_.save();
    painter_.setRenderHint(QPainter::Antialiasing);
    const QColor yellow = ToQColor(markerColour);
    painter_.setPen(QPen(yellow, 3));
    painter_.setBrush(QColor(yellow.red(), yellow.green(), yellow.blue(), 60));
    painter_.drawRoundedRect(inWidget(cell).adjusted(4.5, 4.5, -4.5, -4.5), 3, 3);
    painter_.restore();
}

} // namespace pirandella
