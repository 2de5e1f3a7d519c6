#include "qt/board_widget.h"

#include <QMouseEvent>
#include <QPainter>
#include <ranges>

namespace pirandella {

BoardWidget::BoardWidget(const WindowModel& model, Pictures& pictures, double twipsPerPixel,
                         QWidget* parent)
    : QWidget(parent), model_(model), pictures_(pictures), twipsPerPixel_(twipsPerPixel) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent); // the background picture covers the whole area
}

void BoardWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.drawPixmap(0, 0, pictures_.background());
    for (const ElementRef& ref : StackingOrder() | std::views::reverse) {
        if (ref.kind == ElementRef::Label1)
            paintLabel(painter, model_.label1[ref.index]);
        else
            paintImage(painter, ref.kind == ElementRef::Image1 ? model_.image1[ref.index]
                                                               : model_.image2[ref.index]);
    }
}

// A frame is one pixel on the element's outer edge, so the frames of elements that overlap by
// one pixel fall on the same line.
void BoardWidget::paintImage(QPainter& painter, const ImageElement& e) {
    if (!e.visible) return;
    const PixelRect r = PixelBounds(e, twipsPerPixel_);
    const QPixmap& picture = pictures_.picture(e.picture);
    if (!picture.isNull()) painter.drawPixmap(r.x + 1, r.y + 1, picture);
    if (e.borderStyle == 1) { // filled strips cover whole pixels at any pixel density
        painter.fillRect(r.x, r.y, r.width, 1, Qt::black);
        painter.fillRect(r.x, r.y + r.height - 1, r.width, 1, Qt::black);
        painter.fillRect(r.x, r.y, 1, r.height, Qt::black);
        painter.fillRect(r.x + r.width - 1, r.y, 1, r.height, Qt::black);
    }
}

void BoardWidget::paintLabel(QPainter& painter, const LabelElement& e) {
    if (!e.visible) return;
    painter.setFont(pictures_.font(e.fontName, e.fontSize));
    painter.setPen(Qt::white);
    const QFontMetrics metrics = painter.fontMetrics();
    painter.drawText(TwipsToPixels(e.left, twipsPerPixel_),
                     TwipsToPixels(e.top, twipsPerPixel_) + metrics.ascent(),
                     QString::fromStdString(e.caption));
}

ElementRef BoardWidget::elementAt(const QPoint& p) const {
    return HitTest(model_, p.x(), p.y(), twipsPerPixel_);
}

// A click is a press and a release on the same element.
void BoardWidget::mousePressEvent(QMouseEvent* e) {
    pressed_ = e->button() == Qt::LeftButton ? elementAt(e->position().toPoint()) : ElementRef{};
}

void BoardWidget::mouseReleaseEvent(QMouseEvent* e) {
    const ElementRef pressed = pressed_;
    pressed_ = {};
    if (e->button() != Qt::LeftButton || pressed.kind == ElementRef::None) return;
    if (elementAt(e->position().toPoint()) == pressed && onClick) onClick(pressed);
}

void BoardWidget::mouseMoveEvent(QMouseEvent* e) {
    const ElementRef ref = elementAt(e->position().toPoint());
    const bool arrow = ref.kind == ElementRef::Image2 && ref.index < WindowModel::arrowCount;
    if (arrow)
        setCursor(pictures_.cursor(model_.image2[ref.index].pointer));
    else
        unsetCursor();
}

} // namespace pirandella
