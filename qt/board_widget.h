// The client area: the board painted through the core on a QPainter, clicks and the keys that
// play handed to the midend, and each arrow cell's pointer shown. The design keeps its size in
// pixels; in a larger window (maximised, full screen, a wide menu bar) it stands in the middle,
// with a dark surround.
#pragma once

#include "qt/pictures.h"
#include "ui/midend.h"

#include <QWidget>

namespace pirandella {

class BoardWidget : public QWidget {
    Q_OBJECT // named for the accessibility factory

  public:
    BoardWidget(Midend& midend, Pictures& pictures, QSize designSize, QWidget* parent = nullptr);
    Midend& midend() { return midend_; }
    // The design's top-left corner in the widget.
    QPoint origin();
    QSize sizeHint() const override { return designSize_; }
    // The frontmost visible element under a point of the widget.
    ElementRef elementAt(QPointF p);
    std::vector<AccessibleNode> accessibleNodes() const {
        return midend_.accessibleNodes(hasFocus());
    }

  protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

  private:
    // Where the widget stands in the window now, in device pixels: the painting counts from the
    // window's corner, so that frames fall on its whole device pixels.
    const Placement& placed();
    QPoint inWindow() const { return mapTo(window(), QPoint()); }
    QPointF devicePixel(QPointF p) const { return (p + QPointF(inWindow())) * devicePixelRatioF(); }

    Midend& midend_;
    Pictures& pictures_;
    QSize designSize_;
};

// The board's nodes through Qt's accessibility interfaces (AT-SPI on Linux, UI Automation on
// Windows), in board_accessible.cpp: installed once, before the window is shown; after each event
// the screen reader, if it looks, is told what changed, and hears the announcement.
void InstallBoardAccessibility();
void AnnounceChanges(BoardWidget* board, const std::string& announcement);

} // namespace pirandella
