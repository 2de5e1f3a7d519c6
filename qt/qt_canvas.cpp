#include "qt/qt_canvas.h"

#include <QImage>

namespace pirandella {

namespace {

QColor ToQColor(Colour c) {
    return QColor(c.r, c.g, c.b, c.a);
}

class QtCanvas final : public Canvas {
  public:
    QtCanvas(QPainter& painter, Pictures& pictures, qreal dpr, QPoint inWindow)
        : painter_(painter), pictures_(pictures), dpr_(dpr), inWindow_(inWindow) {}

    // Boxes on whole device pixels are filled there; the surround's edges may fall between them.
    void fillBox(const BoxF& box, Colour c) override {
        if (picture_.isActive()) {
            picture_.fillRect(
                QRectF(box.x - corner_.x(), box.y - corner_.y(), box.width, box.height),
                ToQColor(c));
        } else if (OnWholePixels(box)) {
            inDevicePixels();
            painter_.fillRect(QRect(int(box.x), int(box.y), int(box.width), int(box.height)),
                              ToQColor(c));
        } else {
            painter_.setWorldTransform(QTransform()); // the widget's pixels
            painter_.fillRect(inWidget(box), ToQColor(c));
        }
    }

    void drawPhoto(Photo photo, const BoxF& box, const BoxF& clip) override {
        painter_.setWorldTransform(QTransform());
        painter_.save();
        painter_.setClipRect(inWidget(clip).toRect());
        painter_.setRenderHint(QPainter::SmoothPixmapTransform);
        const QPixmap& picture = pictures_.photo(photo);
        painter_.drawPixmap(inWidget(box), picture, QRectF(picture.rect()));
        painter_.restore();
    }

    // A picture is drawn the first time its key comes, and then taken from the drawn pictures.
    bool beginPicture(const PictureKey& key, const DeviceRect& box) override {
        corner_ = QPoint(box.x, box.y);
        image_ = &pictures_.drawn(key);
        if (!image_->isNull()) return false;
        *image_ = QImage(box.width, box.height, QImage::Format_ARGB32_Premultiplied);
        image_->fill(Qt::transparent);
        picture_.begin(image_);
        return true;
    }

    void endPicture() override {
        if (picture_.isActive()) picture_.end();
        inDevicePixels();
        painter_.drawImage(corner_, *image_);
    }

    void fillOutline(OutlineId id, Colour c, double x, double y, double scale,
                     const DeviceRect& clip) override {
        const QPainterPath* path = pictures_.path(id);
        if (!path) return;
        const bool inPicture = picture_.isActive();
        QPainter& p = inPicture ? picture_ : (inDevicePixels(), painter_);
        p.save();
        if (inPicture) // the picture's edges are the clip
            p.translate(-corner_.x(), -corner_.y());
        else
            p.setClipRect(clip.x, clip.y, clip.width, clip.height);
        p.setRenderHint(QPainter::Antialiasing);
        p.translate(x, y);
        p.scale(scale, scale);
        p.fillPath(*path, ToQColor(c));
        p.restore();
    }

  private:
    // The window's device pixels back to the widget's pixels; exact for the scales in use.
    QRectF inWidget(const BoxF& b) const {
        return {b.x / dpr_ - inWindow_.x(), b.y / dpr_ - inWindow_.y(), b.width / dpr_,
                b.height / dpr_};
    }
    void inDevicePixels() {
        QTransform t;
        t.scale(1 / dpr_, 1 / dpr_);
        t.translate(-inWindow_.x() * dpr_, -inWindow_.y() * dpr_);
        painter_.setWorldTransform(t);
    }

    QPainter& painter_;
    Pictures& pictures_;
    qreal dpr_;
    QPoint inWindow_;
    QPainter picture_; // while a picture is drawn
    QImage* image_ = nullptr;
    QPoint corner_;
};

} // namespace

void PaintOnQt(QPaintDevice* on, Midend& midend, Pictures& pictures, qreal dpr, QPoint inWindow) {
    QPainter painter(on);
    QtCanvas canvas(painter, pictures, dpr, inWindow);
    midend.paint(canvas, pictures.artwork());
}

} // namespace pirandella
