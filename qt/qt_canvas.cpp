#include "qt/qt_canvas.h"

#include <QImage>
#include <functional>

namespace pirandella {

namespace {

QColor ToQColor(Colour c) {
    return QColor(c.r, c.g, c.b, c.a);
}

class QtCanvas final : public Canvas {
  public:
    QtCanvas(QPainter& painter, Pictures& pictures, qreal dpr, QPoint inWindow)
        : painter_(painter), pictures_(pictures), dpr_(dpr), inWindow_(inWindow) {}

    void fillBox(const BoxF& box, Colour c) override {
        if (recording_) return record([=, this] { fillBox(box, c); }, box, c, nullptr, 0);
        if (picture_.isActive()) {
            const QPointF corner(corner_);
            picture_.fillRect(QRectF(box.x, box.y, box.width, box.height).translated(-corner),
                              ToQColor(c));
            return;
        }
        inWidgetPixels();
        painter_.fillRect(inWidget(box), ToQColor(c));
    }

    void drawFrame(const DeviceRect& box, int t, Colour c) override {
        QPainter& p = target();
        const QColor colour = ToQColor(c);
        p.fillRect(box.x, box.y, box.width, t, colour);
        p.fillRect(box.x, box.y + box.height - t, box.width, t, colour);
        p.fillRect(box.x, box.y, t, box.height, colour);
        p.fillRect(box.x + box.width - t, box.y, t, box.height, colour);
    }

    void drawPhoto(Photo photo, const BoxF& box, const BoxF& clip) override {
        inWidgetPixels();
        painter_.save();
        painter_.setClipRect(inWidget(clip).toRect());
        painter_.setRenderHint(QPainter::SmoothPixmapTransform);
        const QPixmap& picture = pictures_.photo(photo);
        painter_.drawPixmap(inWidget(box), picture, QRectF(picture.rect()));
        painter_.restore();
    }

    // A picture's calls are kept, with a key that says what they draw relative to its corner;
    // it is drawn the first time that key comes, and then taken from the drawn pictures.
    void beginPicture(const DeviceRect& box) override {
        corner_ = QPoint(box.x, box.y);
        size_ = QSize(box.width, box.height);
        key_.clear();
        addToKey(box.width);
        addToKey(box.height);
        calls_.clear();
        recording_ = true;
    }

    void endPicture() override {
        recording_ = false;
        QImage& image = pictures_.drawn(key_);
        if (image.isNull()) {
            image = QImage(size_, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            picture_.begin(&image);
            for (const auto& call : calls_) call();
            picture_.end();
        }
        inDevicePixels();
        painter_.drawImage(corner_, image);
    }

    void fillOutline(const Outline& outline, Colour c, double x, double y, double scale,
                     const DeviceRect& clip) override {
        if (recording_) {
            const BoxF at{x, y, scale, 0};
            return record([=, this, &outline] { fillOutline(outline, c, x, y, scale, clip); }, at,
                          c, &outline, 1);
        }
        const bool inPicture = picture_.isActive();
        QPainter& p = target();
        p.save();
        if (inPicture) // the picture's edges are the clip
            p.translate(-corner_.x(), -corner_.y());
        else
            p.setClipRect(clip.x, clip.y, clip.width, clip.height);
        p.setRenderHint(QPainter::Antialiasing);
        p.translate(x, y);
        p.scale(scale, scale);
        p.fillPath(pictures_.path(outline), ToQColor(c));
        p.restore();
    }

    void drawText(const std::string& utf8, const std::string& fontName, float points, Colour c,
                  double x, double top) override {
        inWidgetPixels();
        painter_.setFont(pictures_.font(fontName, points));
        painter_.setPen(ToQColor(c));
        const QPointF at = inWidget({x, top, 0, 0}).topLeft();
        painter_.drawText(at + QPointF(0, painter_.fontMetrics().ascent()),
                          QString::fromStdString(utf8));
    }

    // A bright ring inside the arrow cell.
    void drawMarker(const BoxF& cell) override {
        inWidgetPixels();
        painter_.save();
        painter_.setRenderHint(QPainter::Antialiasing);
        const QColor yellow = ToQColor(markerColour);
        painter_.setPen(QPen(yellow, 3));
        painter_.setBrush(QColor(yellow.red(), yellow.green(), yellow.blue(), 60));
        painter_.drawRoundedRect(inWidget(cell).adjusted(4.5, 4.5, -4.5, -4.5), 3, 3);
        painter_.restore();
    }

  private:
    template <typename T> void addToKey(const T& value) {
        key_.append(reinterpret_cast<const char*>(&value), sizeof value);
    }
    void record(std::function<void()> call, BoxF box, Colour c, const Outline* o, int kind) {
        for (double v : {box.x - corner_.x(), box.y - corner_.y(), box.width, box.height})
            addToKey(v);
        addToKey(c); // four bytes, no padding
        addToKey(o);
        addToKey(kind);
        calls_.push_back(std::move(call));
    }
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
    void inWidgetPixels() { painter_.setWorldTransform(QTransform()); }
    // The picture being drawn, or the window in its device pixels.
    QPainter& target() {
        if (picture_.isActive()) return picture_;
        inDevicePixels();
        return painter_;
    }

    QPainter& painter_;
    Pictures& pictures_;
    qreal dpr_;
    QPoint inWindow_;
    QPainter picture_;
    QPoint corner_;
    QSize size_; // the picture's, also the start of its key
    bool recording_ = false;
    std::string key_;
    std::vector<std::function<void()>> calls_;
};

} // namespace

void PaintBoard(QPainter& painter, Pictures& pictures, QPoint inWindow, const Game& game,
                const PaintSetup& at) {
    QtCanvas canvas(painter, pictures, at.devicePixelRatio, inWindow);
    PaintWindow(canvas, game.window, pictures.artwork(), at, game.marker);
}

} // namespace pirandella
