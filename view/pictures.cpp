#include "view/pictures.h"

#include <QFontDatabase>
#include <QGuiApplication>

namespace pirandella {

// Every picture has a twin of double resolution, "name@2x.png"; on a screen with more than one
// device pixel per logical pixel the twin keeps the letters sharp at the same layout.
QPixmap LoadPicture(const QString& path) {
    if (qApp && qApp->devicePixelRatio() > 1) {
        QString twin = path;
        twin.insert(twin.lastIndexOf(QLatin1Char('.')), QStringLiteral("@2x"));
        QPixmap sharp(twin);
        if (!sharp.isNull()) {
            sharp.setDevicePixelRatio(2);
            return sharp;
        }
    }
    return QPixmap(path);
}

Pictures::Pictures()
    : background_(LoadPicture(QStringLiteral(":/background.png"))),
      instructions_(LoadPicture(QStringLiteral(":/instructions.png"))),
      listStrips_{LoadPicture(QStringLiteral(":/imagelist2.png")),
                  LoadPicture(QStringLiteral(":/imagelist3.png"))} {
    // The hot spot is the arrow's tip.
    const struct {
        Pointer pointer;
        const char* file;
        int hotX, hotY;
    } pointers[] = {{Pointer::ArrowDown, ":/pointer_down.png", 7, 13},
                    {Pointer::ArrowLeft, ":/pointer_left.png", 1, 7},
                    {Pointer::ArrowRight, ":/pointer_right.png", 13, 7},
                    {Pointer::ArrowUp, ":/pointer_up.png", 7, 1}};
    for (const auto& p : pointers)
        cursors_[static_cast<int>(p.pointer)] =
            QCursor(LoadPicture(QString::fromLatin1(p.file)), p.hotX, p.hotY);
    const int id =
        QFontDatabase::addApplicationFont(QStringLiteral(":/LiberationSerif-Regular.ttf"));
    const QStringList families = QFontDatabase::applicationFontFamilies(id);
    serifFamily_ = families.isEmpty() ? QStringLiteral("serif") : families.first();
}

const QPixmap& Pictures::picture(const Picture& p) {
    static const QPixmap none;
    if (p.list == PictureList::Instructions) return instructions_;
    if (p.list == PictureList::None || p.item < 1 || p.item > tileListItems) return none;
    const int list = p.list == PictureList::ImageList2 ? 0 : 1;
    QPixmap& tile = tiles_[list][p.item - 1];
    if (tile.isNull()) {
        const QPixmap& strip = listStrips_[list];
        const int side = strip.height(); // device pixels: the strip is one tile high
        tile = strip.copy((p.item - 1) * side, 0, side, side);
        tile.setDevicePixelRatio(strip.devicePixelRatio());
    }
    return tile;
}

QFont Pictures::font(const std::string& name, float points) const {
    // The label's "Times New Roman" is drawn with its metric twin, built into the program, so it
    // looks the same on every machine.
    QFont f(name == "Times New Roman" ? serifFamily_ : QString::fromStdString(name));
    f.setPointSizeF(points);
    return f;
}

} // namespace pirandella
