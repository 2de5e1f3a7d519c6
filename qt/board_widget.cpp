#include "qt/board_widget.h"

#include "qt/qt_canvas.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace pirandella {

BoardWidget::BoardWidget(FrontEnd& front, const Session& session, Pictures& pictures,
                         QSize designSize, QWidget* parent)
    : QWidget(parent), front_(front), session_(session), pictures_(pictures),
      designSize_(designSize) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);       // the arrow keys play
    setAttribute(Qt::WA_OpaquePaintEvent); // every pixel is painted
    setMinimumSize(designSize);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

// Frames and pictures go on whole device pixels of the window, wherever in the window this
// widget stands: the painting counts from the window's corner.
PaintSetup BoardWidget::paintSetup() const {
    const BoxF area{double(inWindow().x()), double(inWindow().y()), double(width()),
                    double(height())};
    return CentredSetup(session_.view.screen.twipsPerPixel(), devicePixelRatioF(), area,
                        designSize_.width(), designSize_.height());
}

QPoint BoardWidget::origin() const {
    const PaintSetup at = paintSetup();
    return QPoint(at.originX, at.originY) - inWindow();
}

void BoardWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintBoard(painter, pictures_, inWindow(), session_, paintSetup());
}

ElementRef BoardWidget::elementAt(QPointF p) const {
    const QPointF device = (p + QPointF(inWindow())) * devicePixelRatioF();
    return ElementAtDevicePixel(WindowOf(session_), paintSetup(), device.x(), device.y());
}

void BoardWidget::keyPressEvent(QKeyEvent* e) {
    static const std::pair<int, Key> keys[] = {
        {Qt::Key_Left, Key::Left},   {Qt::Key_Right, Key::Right},  {Qt::Key_Up, Key::Up},
        {Qt::Key_Down, Key::Down},   {Qt::Key_Return, Key::Enter}, {Qt::Key_Enter, Key::Enter},
        {Qt::Key_Space, Key::Space}, {Qt::Key_Escape, Key::Escape}};
    for (const auto& [qtKey, key] : keys)
        if (e->key() == qtKey && front_.key(key)) return;
    QWidget::keyPressEvent(e);
}

void BoardWidget::mousePressEvent(QMouseEvent* e) {
    front_.press(e->button() == Qt::LeftButton ? elementAt(e->position()) : ElementRef{});
}

void BoardWidget::mouseReleaseEvent(QMouseEvent* e) {
    front_.release(e->button() == Qt::LeftButton ? elementAt(e->position()) : ElementRef{});
}

void BoardWidget::mouseMoveEvent(QMouseEvent* e) {
    const ElementRef ref = elementAt(e->position());
    if (ref.kind == ElementRef::Arrow)
        setCursor(
            pictures_.cursor(WindowOf(session_).arrows[ref.index].pointer, devicePixelRatioF()));
    else
        unsetCursor();
}

} // namespace pirandella
