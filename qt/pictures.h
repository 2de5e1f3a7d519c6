// The built-in pictures, decoded from the program's resources when first needed (the first paint
// follows the window's map) and kept.
#pragma once

#include "view/window_model.h"

#include <QCursor>
#include <QFont>
#include <QIcon>
#include <QPixmap>
#include <array>
#include <optional>

namespace pirandella {

class Pictures {
  public:
    const QPixmap& background();
    const QPixmap& picture(const Picture& p);
    const QCursor& cursor(Pointer p);
    // The label's named font; "Times New Roman" is drawn with its metric twin Liberation Serif.
    QFont font(const std::string& name, float points);

  private:
    const QString& serifFamily();

    QPixmap background_;
    QPixmap instructions_;
    std::array<QPixmap, 2> listStrips_;            // ImageList2, ImageList3: 26 tiles in a row
    std::array<std::array<QPixmap, 26>, 2> tiles_; // cut from the strips when first needed
    std::array<std::optional<QCursor>, 5> cursors_;
    QString serifFamily_;
};

// The window's icon in every size the desktop entry installs, so no taskbar has to stretch one.
QIcon WindowIcon();

// A resource picture, in double resolution where the screen has more than one device pixel
// per logical pixel.
QPixmap LoadPicture(const QString& path, const char* format);

} // namespace pirandella
