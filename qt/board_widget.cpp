#include "qt/board_widget.h"

#include "qt/qt_canvas.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace pirandella {

BoardWidget::BoardWidget(Midend& midend, Pictures& pictures, QSize designSize, QWidget* parent)
    : QWidget(parent), midend_(midend), pictures_(pictures), designSize_(designSize) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);       // the arrow keys play
    setAttribute(Qt::WA_OpaquePaintEvent); // every pixel is painted
    setMinimumSize(designSize);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

const Placement& BoardWidget::placed() {
    const qreal dpr = devicePixelRatioF();
    const QPointF corner = devicePixel({});
    midend_.setSurface({{corner.x(), corner.y(), width() * dpr, height() * dpr}, dpr, false, true});
    return midend_.placement();
}

QPoint BoardWidget::origin() {
    const Placement& at = placed();
    return QPoint(at.originX, at.originY) - inWindow();
}

void BoardWidget::paintEvent(QPaintEvent*) {
    PaintOnQt(this, midend_, pictures_, placed().devicePixelRatio, inWindow());
}

ElementRef BoardWidget::elementAt(QPointF p) {
    placed();
    const QPointF device = devicePixel(p);
    return midend_.elementAt(device.x(), device.y());
}

void BoardWidget::keyPressEvent(QKeyEvent* e) {
    static const std::pair<int, Key> keys[] = {
        {Qt::Key_Left, Key::Left},   {Qt::Key_Right, Key::Right},  {Qt::Key_Up, Key::Up},
        {Qt::Key_Down, Key::Down},   {Qt::Key_Return, Key::Enter}, {Qt::Key_Enter, Key::Enter},
        {Qt::Key_Space, Key::Space}, {Qt::Key_Escape, Key::Escape}};
    for (const auto& [qtKey, key] : keys)
        if (e->key() == qtKey && midend_.key(key)) return;
    QWidget::keyPressEvent(e);
}

void BoardWidget::mousePressEvent(QMouseEvent* e) {
    midend_.press(e->button() == Qt::LeftButton ? elementAt(e->position()) : ElementRef{});
}

void BoardWidget::mouseReleaseEvent(QMouseEvent* e) {
    midend_.release(e->button() == Qt::LeftButton ? elementAt(e->position()) : ElementRef{});
}

void BoardWidget::mouseMoveEvent(QMouseEvent* e) {
    placed();
    const QPointF device = devicePixel(e->position());
    setCursor(pictures_.cursor(midend_.pointerAt(device.x(), device.y()), devicePixelRatioF()));
}

} // namespace pirandella
