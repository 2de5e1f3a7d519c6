// The core's drawing interface on a QPainter. Frames, pictures and outlines go in the window's
// device pixels; the photograph and a box whose edges fall between pixels in the widget's own
// pixels, as Qt lays them out.
#pragma once

#include "qt/pictures.h"

#include <QPainter>

namespace pirandella {

// Draws on a widget whose top-left corner lies at `inWindow` in the window, in its pixels.
class QtCanvas final : public Canvas {
  public:
    QtCanvas(QPainter& painter, Pictures& pictures, qreal dpr, QPoint inWindow)
        : painter_(painter), pictures_(pictures), dpr_(dpr), inWindow_(inWindow) {}

    void fillBox(const BoxF& box, Colour c) override;
    void drawPhoto(Photo photo, const BoxF& box, const BoxF& clip) override;
    bool beginPicture(const PictureKey& key, const DeviceRect& box) override;
    void endPicture() override;
    void fillOutline(OutlineId id, Colour c, double x, double y, double scale,
                     const DeviceRect& clip) override;

  private:
    // The window's device pixels back to the widget's pixels; exact for the scales in use.
    QRectF inWidget(const BoxF& b) const;
    void inDevicePixels();
    void inWidgetPixels() { painter_.setWorldTransform(QTransform()); }

    QPainter& painter_;
    Pictures& pictures_;
    qreal dpr_;
    QPoint inWindow_;
    QPainter picture_; // while a picture is drawn
    QImage* image_ = nullptr;
    QPoint corner_;
};

} // namespace pirandella
