#include "qt/board_widget.h"

#include "qt/board_accessible.h"
#include "view/device_pixels.h"
#include "view/keyboard_ring.h"
#include "view/spoken_names.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>
#include <ranges>

namespace pirandella {

namespace {

const QColor surround(10, 22, 8); // the darkest green of the photograph's lower edge

QRect ToQRect(const DeviceRect& r) {
    return {r.x, r.y, r.width, r.height};
}

} // namespace

BoardWidget::BoardWidget(const Game& game, Pictures& pictures, TwipsScale twipsPerPixel,
                         QSize designSize, QWidget* parent)
    : QWidget(parent), game_(game), model_(game.window), pictures_(pictures),
      twipsPerPixel_(twipsPerPixel), designSize_(designSize) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);       // the arrow keys play
    setAttribute(Qt::WA_OpaquePaintEvent); // every pixel is painted
    setMinimumSize(designSize);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

QPoint BoardWidget::origin() const {
    return {std::max(0, (width() - designSize_.width()) / 2),
            std::max(0, (height() - designSize_.height()) / 2)};
}

void BoardWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const qreal dpr = devicePixelRatioF();
    const QPoint o = origin();
    painter.fillRect(rect(), surround);
    painter.save();
    painter.setClipRect(QRect(o, designSize_));
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QPixmap& background = pictures_.background(dpr);
    painter.drawPixmap(QRectF(o, background.deviceIndependentSize()), background,
                       QRectF(background.rect()));
    painter.restore();

    // Frames and pictures go on whole device pixels of the window, wherever in the window this
    // widget stands: paint in the window's device pixels, here shifted to the widget's corner.
    const QPoint inWindow = mapTo(window(), QPoint());
    const QPoint offset = inWindow + o;
    for (const ElementRef& ref : StackingOrder() | std::views::reverse) {
        if (ref.kind == ElementRef::Label1) {
            painter.save();
            painter.translate(o);
            paintLabel(painter, model_.label1[ref.index]);
            painter.restore();
            continue;
        }
        painter.save();
        painter.scale(1 / dpr, 1 / dpr);
        painter.translate(-inWindow.x() * dpr, -inWindow.y() * dpr);
        paintImage(painter,
                   ref.kind == ElementRef::Image1 ? model_.image1[ref.index]
                                                  : model_.image2[ref.index],
                   offset, dpr);
        painter.restore();
    }
    paintFocusMarker(painter);
}

// The keyboard's marker: a bright ring inside the arrow cell, drawn over the window once the
// keyboard has been used, while that cell is visible and nothing lies in front of it.
void BoardWidget::paintFocusMarker(QPainter& painter) {
    if (focusedArrow_ < 0) return;
    const ElementRef arrow{ElementRef::Image2, focusedArrow_};
    const QRect cell = elementRect(arrow);
    if (!IsVisible(model_, arrow) || elementAt(cell.center()) != arrow) return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(255, 214, 0), 3));
    painter.setBrush(QColor(255, 214, 0, 60));
    painter.drawRoundedRect(QRectF(cell).adjusted(4.5, 4.5, -4.5, -4.5), 3, 3);
    painter.restore();
}

QRect BoardWidget::elementRect(ElementRef ref) const {
    const PixelRect r = PixelBounds(model_, ref, twipsPerPixel_);
    return QRect(r.x, r.y, r.width, r.height).translated(origin());
}

std::string BoardWidget::spokenName(ElementRef ref) const {
    switch (ref.kind) {
    case ElementRef::Label1:
        return model_.label1[ref.index].caption;
    case ElementRef::Image1:
        return TileName(game_, ref.index);
    case ElementRef::Image2:
        return ref.index == WindowModel::instructions ? instructionsName
                                                      : ArrowName(model_, ref.index);
    default:
        return {};
    }
}

// Arrow keys move the marker round the ring of arrow cells; Enter or Space acts on its cell as a
// click does, and while the instructions page is shown Enter, Space or Escape closes it.
void BoardWidget::keyPressEvent(QKeyEvent* e) {
    static const std::pair<int, RingKey> moves[] = {{Qt::Key_Left, RingKey::Left},
                                                    {Qt::Key_Right, RingKey::Right},
                                                    {Qt::Key_Up, RingKey::Up},
                                                    {Qt::Key_Down, RingKey::Down}};
    for (const auto& [key, move] : moves)
        if (e->key() == key) {
            focusedArrow_ = MoveInRing(model_, focusedArrow_, move);
            update();
            if (accessible_) accessible_->announceChanges(); // the marked arrow has the focus
            return;
        }
    const bool act =
        e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter || e->key() == Qt::Key_Space;
    const bool page = model_.image2[WindowModel::instructions].visible;
    if (page && (act || e->key() == Qt::Key_Escape)) {
        if (onClick) onClick({ElementRef::Image2, WindowModel::instructions});
    } else if (act && focusedArrow_ >= 0) {
        if (onClick) onClick({ElementRef::Image2, focusedArrow_});
    } else {
        QWidget::keyPressEvent(e);
    }
}

// A frame is one pixel on the element's outer edge, so the frames of elements that overlap by
// one pixel fall on the same line; the picture fills what the frame encloses.
void BoardWidget::paintImage(QPainter& painter, const ImageElement& e, QPoint offset, qreal dpr) {
    if (!e.visible) return;
    PixelRect r = PixelBounds(e, twipsPerPixel_);
    r.x += offset.x();
    r.y += offset.y();
    const DeviceRect inside = PictureBox(r, dpr);
    const QPixmap& picture = pictures_.picture(e.picture, QSize(inside.width, inside.height), dpr);
    if (!picture.isNull()) painter.drawPixmap(ToQRect(inside), picture, picture.rect());
    if (e.borderStyle != 1) return;
    const DeviceRect box = FrameBox(r, dpr);
    const int t = FrameThickness(dpr);
    painter.fillRect(box.x, box.y, box.width, t, Qt::black);
    painter.fillRect(box.x, box.y + box.height - t, box.width, t, Qt::black);
    painter.fillRect(box.x, box.y, t, box.height, Qt::black);
    painter.fillRect(box.x + box.width - t, box.y, t, box.height, Qt::black);
}

void BoardWidget::paintLabel(QPainter& painter, const LabelElement& e) {
    if (!e.visible) return;
    painter.setFont(pictures_.font(e.fontName, e.fontSize));
    painter.setPen(Qt::white);
    const PixelRect r = PixelBounds(e, twipsPerPixel_);
    painter.drawText(r.x, r.y + painter.fontMetrics().ascent(), QString::fromStdString(e.caption));
}

ElementRef BoardWidget::elementAt(QPointF p) const {
    const QPointF inDesign = p - QPointF(origin());
    return HitTest(model_, static_cast<int>(std::floor(inDesign.x())),
                   static_cast<int>(std::floor(inDesign.y())), twipsPerPixel_);
}

// A click is a press and a release on the same element.
void BoardWidget::mousePressEvent(QMouseEvent* e) {
    pressed_ = e->button() == Qt::LeftButton ? elementAt(e->position()) : ElementRef{};
}

void BoardWidget::mouseReleaseEvent(QMouseEvent* e) {
    const ElementRef pressed = pressed_;
    pressed_ = {};
    if (e->button() != Qt::LeftButton || pressed.kind == ElementRef::None) return;
    if (elementAt(e->position()) == pressed && onClick) onClick(pressed);
}

void BoardWidget::mouseMoveEvent(QMouseEvent* e) {
    const ElementRef ref = elementAt(e->position());
    const bool arrow = ref.kind == ElementRef::Image2 && ref.index < WindowModel::arrowCount;
    if (arrow)
        setCursor(pictures_.cursor(model_.image2[ref.index].pointer, devicePixelRatioF()));
    else
        unsetCursor();
}

} // namespace pirandella
