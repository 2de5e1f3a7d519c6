// The game's pictures, built into the program: the background photograph, the outlines of the
// letters and of the instructions page, the icons; the arrow pointers are drawn at the screen's
// own device pixel size the first time each is needed, and kept.
#pragma once

#include "view/painting/painting.h"

#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QPainterPath>
#include <QPixmap>
#include <map>

namespace pirandella {

class Pictures {
  public:
    Pictures(); // reads the outlines
    const Artwork& artwork() const { return artwork_; }
    // Why the game cannot be drawn (a built-in file missing or damaged), in Italian for the
    // player; empty when it can.
    const std::string& error() const { return error_; }
    const QPixmap& photo(Photo p);
    // An outline as Qt fills it, converted once; nullptr for none.
    const QPainterPath* path(OutlineId id);
    // A picture of the board drawn once for what it shows (null until drawn).
    QImage& drawn(const PictureKey& key) { return drawn_[key]; }
    // An arrow cell's pointer, 16 x 16 pixels at the screen's scale, its hot spot on the tip.
    const QCursor& cursor(Pointer p, qreal devicePixelRatio);

  private:
    Artwork artwork_;
    std::string error_;
    std::map<Photo, QPixmap> photos_; // decoded when first needed
    std::map<OutlineId, QPainterPath> paths_;
    std::map<PictureKey, QImage> drawn_;
    std::map<std::pair<int, int>, QCursor> cursors_; // pointer, scale
};

// The window's icon in every size the desktop entry installs, so no taskbar has to stretch one.
QIcon WindowIcon();

} // namespace pirandella
