// The client area: paints the window model through the core's painting, sends clicks to the
// frontmost visible element, names the keys that play and shows each arrow cell's pointer. The
// design keeps its size in pixels; in a larger window (maximised, full screen, a wide menu bar)
// it stands in the middle, with a dark surround.
#pragma once

#include "engine/game.h"
#include "qt/pictures.h"
#include "ui/keyboard.h"
#include "view/accessible_view.h"

#include <QWidget>
#include <functional>

namespace pirandella {

class BoardAccessible;

class BoardWidget : public QWidget {
    Q_OBJECT // named for the accessibility factory

        public : BoardWidget(const Game& game, Pictures& pictures, QSize designSize,
                             QWidget* parent = nullptr);
    std::function<void(ElementRef)> onClick;
    std::function<bool(Key)> onKey; // false when the key does nothing here
    const Game& game() const { return game_; }
    QSize designSize() const { return designSize_; }
    // The design's top-left corner in the widget.
    QPoint origin() const;
    QSize sizeHint() const override { return designSize_; }

    // The frontmost visible element under a point of the widget.
    ElementRef elementAt(QPointF p) const;
    // Where an element stands in the widget, in its pixels.
    QRect elementRect(ElementRef ref) const;
    // What a screen reader finds on the board now.
    std::vector<AccessibleNode> accessibleNodes() const;
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
    PaintSetup paintSetup() const;

    const Game& game_;
    Pictures& pictures_;
    QSize designSize_;
    ElementRef pressed_;
    BoardAccessible* accessible_ = nullptr;
};

} // namespace pirandella
