// The client area: paints the window model through the core's painting, hands clicks and the
// keys that play to the front end and shows each arrow cell's pointer. The design keeps its size
// in pixels; in a larger window (maximised, full screen, a wide menu bar) it stands in the
// middle, with a dark surround.
#pragma once

#include "qt/pictures.h"
#include "ui/front_end.h"
#include "view/accessible_view.h"

#include <QWidget>

namespace pirandella {

class BoardAccessible;

class BoardWidget : public QWidget {
    Q_OBJECT // named for the accessibility factory

        public : BoardWidget(FrontEnd& front, const Session& session, Pictures& pictures,
                             QSize designSize, QWidget* parent = nullptr);
    FrontEnd& front() { return front_; }
    // The design's top-left corner in the widget.
    QPoint origin() const;
    QSize sizeHint() const override { return designSize_; }
    // The frontmost visible element under a point of the widget.
    ElementRef elementAt(QPointF p) const;
    // What a screen reader finds on the board now.
    std::vector<AccessibleNode> accessibleNodes() const {
        return AccessibleNodes(session_.game, session_.view, hasFocus());
    }
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
    QPoint inWindow() const { return mapTo(window(), QPoint()); }

    FrontEnd& front_;
    const Session& session_;
    Pictures& pictures_;
    QSize designSize_;
    BoardAccessible* accessible_ = nullptr;
};

} // namespace pirandella
