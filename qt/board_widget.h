// The client area: paints the window model back to front over the background picture, sends
// clicks to the frontmost visible element and shows each arrow cell's pointer. The design keeps
// its size in pixels; in a larger window (maximised, full screen, a wide menu bar) it stands in
// the middle, with a dark surround.
#pragma once

#include "qt/pictures.h"
#include "view/window_model.h"

#include <QWidget>
#include <functional>

namespace pirandella {

class BoardWidget : public QWidget {
  public:
    BoardWidget(const WindowModel& model, Pictures& pictures, TwipsScale twipsPerPixel,
                QSize designSize, QWidget* parent = nullptr);
    std::function<void(ElementRef)> onClick;
    TwipsScale twipsPerPixel() const { return twipsPerPixel_; }
    // The design's size in pixels and its top-left corner in the widget.
    QSize designSize() const { return designSize_; }
    QPoint origin() const;
    QSize sizeHint() const override { return designSize_; }

  protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

  private:
    ElementRef elementAt(QPointF p) const;
    void paintImage(QPainter& painter, const ImageElement& e, QPoint offset, qreal dpr);
    void paintLabel(QPainter& painter, const LabelElement& e);

    const WindowModel& model_;
    Pictures& pictures_;
    TwipsScale twipsPerPixel_;
    QSize designSize_;
    ElementRef pressed_;
};

} // namespace pirandella
