// The built-in pictures, read from the program's resources once and kept.
#pragma once

#include "view/window_model.h"

#include <QCursor>
#include <QFont>
#include <QPixmap>
#include <array>

namespace pirandella {

class Pictures {
  public:
    Pictures();
    const QPixmap& background() const { return background_; }
    const QPixmap& picture(const Picture& p);
    const QCursor& cursor(Pointer p) const { return cursors_[static_cast<int>(p)]; }
    // The label's named font, from the font embedded in the program.
    QFont font(const std::string& name, float points) const;

  private:
    QPixmap background_;
    QPixmap instructions_;
    std::array<QPixmap, 2> listStrips_;            // ImageList2, ImageList3: 26 tiles side by side
    std::array<std::array<QPixmap, 26>, 2> tiles_; // cut from the strips when first needed
    std::array<QCursor, 5> cursors_;
    QString serifFamily_;
};

// A resource picture, in double resolution where the screen has more than one device pixel
// per logical pixel.
QPixmap LoadPicture(const QString& path);

} // namespace pirandella
