// The drawing interface on a QPainter. Device-pixel calls are drawn in the window's device
// pixels; text, the marker and the photograph in the widget's own pixels, as Qt lays them out.
#pragma once

#include "qt/pictures.h"
#include "view/painting.h"

#include <QImage>
#include <QPainter>

namespace pirandella {

class QtCanvas final : public Canvas {
  public:
    // `inWindow`: the widget's top-left corner in the window, in its pixels.
    QtCanvas(QPainter& painter, Pictures& pictures, qreal devicePixelRatio, QPoint inWindow);

    void fillBox(const BoxF& box, Colour c) override;
    void drawFrame(const DeviceRect& box, int thickness, Colour c) override;
    void drawPhoto(Photo photo, const BoxF& box, const BoxF& clip) override;
    void beginPicture(const DeviceRect& box) override;
    void endPicture() override;
    void fillOutline(const Outline& outline, Colour c, double originX, double originY, double scale,
                     const DeviceRect& clip) override;
    void drawText(const std::string& utf8, const std::string& fontName, float points, Colour c,
                  double x, double top) override;
    void drawMarker(const BoxF& cell) override;

  private:
    QRectF inWidget(const BoxF& box) const;
    QPainter& target(); // the picture being drawn, or the window
    void inDevicePixels();
    void inWidgetPixels();

    QPainter& painter_;
    Pictures& pictures_;
    qreal dpr_;
    QPoint inWindow_;
    QImage picture_;
    QPainter picturePainter_;
    QPoint pictureCorner_;
};

} // namespace pirandella
