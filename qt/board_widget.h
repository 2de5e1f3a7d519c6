// The client area: paints the window model back to front over the background picture, sends
// clicks to the frontmost visible element and shows each arrow cell's pointer.
#pragma once

#include "qt/pictures.h"
#include "view/window_model.h"

#include <QWidget>
#include <functional>

namespace pirandella {

class BoardWidget : public QWidget {
  public:
    BoardWidget(const WindowModel& model, Pictures& pictures, double twipsPerPixel,
                QWidget* parent = nullptr);
    std::function<void(ElementRef)> onClick;
    double twipsPerPixel() const { return twipsPerPixel_; }

  protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

  private:
    ElementRef elementAt(const QPoint& p) const;
    void paintImage(QPainter& painter, const ImageElement& e);
    void paintLabel(QPainter& painter, const LabelElement& e);

    const WindowModel& model_;
    Pictures& pictures_;
    double twipsPerPixel_;
    ElementRef pressed_;
};

} // namespace pirandella
