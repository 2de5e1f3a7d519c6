#include "qt/board_widget.h"

#include "qt/qt_canvas.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace pirandella {

BoardWidget::BoardWidget(const Game& game, Pictures& pictures, QSize designSize, QWidget* parent)
    : QWidget(parent), game_(game), pictures_(pictures), designSize_(designSize) {
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

// Frames and pictures go on whole device pixels of the window, wherever in the window this
// widget stands: the painting counts from the window's corner.
PaintSetup BoardWidget::paintSetup() const {
    const QPoint inWindow = mapTo(window(), QPoint());
    const QPoint o = inWindow + origin();
    PaintSetup at;
    at.devicePixelRatio = devicePixelRatioF();
    at.twipsPerPixel = game_.screen.twipsPerPixel();
    at.originX = o.x();
    at.originY = o.y();
    at.area = {double(inWindow.x()), double(inWindow.y()), double(width()), double(height())};
    at.designWidth = designSize_.width();
    at.designHeight = designSize_.height();
    return at;
}

void BoardWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QtCanvas canvas(painter, pictures_, devicePixelRatioF(), mapTo(window(), QPoint()));
    PaintWindow(canvas, game_.window, pictures_.artwork(), paintSetup(), game_.marker);
}

QRect BoardWidget::elementRect(ElementRef ref) const {
    const PixelRect r = PixelBounds(game_.window, ref, game_.screen.twipsPerPixel());
    return QRect(r.x, r.y, r.width, r.height).translated(origin());
}

std::vector<AccessibleNode> BoardWidget::accessibleNodes() const {
    return AccessibleNodes(game_, hasFocus());
}

ElementRef BoardWidget::elementAt(QPointF p) const {
    const QPointF inWindow = p + QPointF(mapTo(window(), QPoint()));
    const qreal dpr = devicePixelRatioF();
    return ElementAtDevicePixel(game_.window, paintSetup(), inWindow.x() * dpr, inWindow.y() * dpr);
}

void BoardWidget::keyPressEvent(QKeyEvent* e) {
    static const std::pair<int, Key> keys[] = {
        {Qt::Key_Left, Key::Left},   {Qt::Key_Right, Key::Right},  {Qt::Key_Up, Key::Up},
        {Qt::Key_Down, Key::Down},   {Qt::Key_Return, Key::Enter}, {Qt::Key_Enter, Key::Enter},
        {Qt::Key_Space, Key::Space}, {Qt::Key_Escape, Key::Escape}};
    for (const auto& [qtKey, key] : keys)
        if (e->key() == qtKey && onKey && onKey(key)) return;
    QWidget::keyPressEvent(e);
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
        setCursor(pictures_.cursor(game_.window.image2[ref.index].pointer, devicePixelRatioF()));
    else
        unsetCursor();
}

} // namespace pirandella
