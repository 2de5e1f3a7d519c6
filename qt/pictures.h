// The game's pictures. The background photograph and the icons are built into the program; the
// letter tiles, the instructions page and the arrow pointers are drawn from built-in outlines at
// the screen's own device pixel size the first time each is needed, and kept.
#pragma once

#include "view/window_model.h"

#include <QCursor>
#include <QFont>
#include <QIcon>
#include <QPainterPath>
#include <QPixmap>
#include <map>
#include <tuple>
#include <vector>

namespace pirandella {

class Pictures {
  public:
    // The photograph, in double resolution on a screen with more than one device pixel per pixel.
    const QPixmap& background(qreal devicePixelRatio);
    // An element's picture, drawn to fill the device pixels inside its frame: a letter tile of
    // either list (item 1..26) or the instructions page. Null for no picture.
    const QPixmap& picture(const Picture& p, QSize devicePixels, qreal devicePixelRatio);
    // An arrow cell's pointer, 16 x 16 pixels at the screen's scale, its hot spot on the tip.
    const QCursor& cursor(Pointer p, qreal devicePixelRatio);
    // The label's named font; "Times New Roman" is drawn with its metric twin Liberation Serif.
    QFont font(const std::string& name, float points);

    // The tip of an arrow pointer, in pixels of its 16 x 16 picture.
    static QPoint PointerTip(Pointer p);

  private:
    const QPainterPath& letter(int item);
    const QString& serifFamily();

    QPixmap background_;
    std::vector<QPainterPath> letters_, page_; // outlines, read when first needed
    std::map<std::tuple<int, int, int, int, int>, QPixmap> drawn_; // picture, item, size, scale
    std::map<std::pair<int, int>, QCursor> cursors_;               // pointer, scale
    QString serifFamily_;
};

// The window's icon in every size the desktop entry installs, so no taskbar has to stretch one.
QIcon WindowIcon();

} // namespace pirandella
