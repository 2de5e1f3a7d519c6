// The client area: paints the window model back to front over the background picture, sends
// clicks to the frontmost visible element and shows each arrow cell's pointer. The design keeps
// its size in pixels; in a larger window (maximised, full screen, a wide menu bar) it stands in
// the middle, with a dark surround.
#pragma once

#include "engine/game.h"
#include "qt/pictures.h"

#include <QWidget>
#include <functional>

namespace pirandella {

class BoardAccessible;

class BoardWidget : public QWidget {
    Q_OBJECT // named for the accessibility factory

        public : BoardWidget(const Game& game, Pictures& pictures, TwipsScale twipsPerPixel,
                             QSize designSize, QWidget* parent = nullptr);
    std::function<void(ElementRef)> onClick;
    const WindowModel& model() const { return game_.window; }
    TwipsScale twipsPerPixel() const { return twipsPerPixel_; }
    // The design's size in pixels and its top-left corner in the widget.
    QSize designSize() const { return designSize_; }
    QPoint origin() const;
    QSize sizeHint() const override { return designSize_; }

    // The frontmost visible element under a point of the widget.
    ElementRef elementAt(QPointF p) const;
    // Where an element stands in the widget, in its pixels.
    QRect elementRect(ElementRef ref) const;
    // What a screen reader says of an element.
    std::string spokenName(ElementRef ref) const;
    // The arrow cell the keyboard's marker is on, or -1 before the keyboard is used.
    int focusedArrow() const { return focusedArrow_; }
    // The board's accessible interface, once a screen reader has asked for it.
    BoardAccessible* accessible() const { return accessible_; }
    void setAccessible(BoardAccessible* a) { accessible_ = a; }

  protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

  private:
    void paintImage(QPainter& painter, const ImageElement& e, QPoint offset, qreal dpr);
    void paintLabel(QPainter& painter, const LabelElement& e);
    void paintFocusMarker(QPainter& painter);

    const Game& game_;
    const WindowModel& model_;
    Pictures& pictures_;
    TwipsScale twipsPerPixel_;
    QSize designSize_;
    ElementRef pressed_;
    int focusedArrow_ = -1;
    BoardAccessible* accessible_ = nullptr;
};

} // namespace pirandella
