#include "qt/pictures.h"

#include <QFontDatabase>
#include <QGuiApplication>

namespace pirandella {

// Every picture has a twin of double resolution, "name@2x.png"; on a screen with more than one
// device pixel per logical pixel the twin keeps the letters sharp at the same layout.
QPixmap LoadPicture(const QString& path, const char* format) {
    if (qApp && qApp->devicePixelRatio() > 1) {
        QString twin = path;
        twin.insert(twin.lastIndexOf(QLatin1Char('.')), QStringLiteral("@2x"));
        QPixmap sharp(twin, format);
        if (!sharp.isNull()) {
            sharp.setDevicePixelRatio(2);
            return sharp;
        }
    }
    return QPixmap(path, format);
}

QIcon WindowIcon() {
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/pirandella-%1.png").arg(size), QSize(size, size));
    return icon;
}

namespace {

const QPixmap& LoadOnce(QPixmap& slot, const QString& path, const char* format) {
    if (slot.isNull()) slot = LoadPicture(path, format);
    return slot;
}

} // namespace

const QPixmap& Pictures::background() {
    return LoadOnce(background_, QStringLiteral(":/background.jpg"), "JPG");
}

const QCursor& Pictures::cursor(Pointer p) {
    struct Look {
        const char* file;
        int hotX, hotY; // the arrow's tip
    };
    static constexpr Look looks[] = {{nullptr, 0, 0},
                                     {":/pointer_down.png", 7, 13},
                                     {":/pointer_left.png", 1, 7},
                                     {":/pointer_right.png", 13, 7},
                                     {":/pointer_up.png", 7, 1}};
    std::optional<QCursor>& cursor = cursors_[static_cast<int>(p)];
    if (!cursor) {
        const Look& look = looks[static_cast<int>(p)];
        cursor = look.file ? QCursor(LoadPicture(QString::fromLatin1(look.file), "PNG"), look.hotX,
                                     look.hotY)
                           : QCursor(Qt::ArrowCursor);
    }
    return *cursor;
}

const QPixmap& Pictures::picture(const Picture& p) {
    static const QPixmap none;
    if (p.list == PictureList::Instructions)
        return LoadOnce(instructions_, QStringLiteral(":/instructions.png"), "PNG");
    if (p.list == PictureList::None || p.item < 1 || p.item > tileListItems) return none;
    const int list = p.list == PictureList::ImageList2 ? 0 : 1;
    QPixmap& tile = tiles_[list][p.item - 1];
    if (tile.isNull()) {
        const QPixmap& strip = LoadOnce(listStrips_[list],
                                        list == 0 ? QStringLiteral(":/imagelist2.png")
                                                  : QStringLiteral(":/imagelist3.png"),
                                        "PNG");
        const int side = strip.height(); // device pixels: the strip is one tile high
        tile = strip.copy((p.item - 1) * side, 0, side, side);
        tile.setDevicePixelRatio(strip.devicePixelRatio());
    }
    return tile;
}

QFont Pictures::font(const std::string& name, float points) {
    QFont f(name == "Times New Roman" ? serifFamily() : QString::fromStdString(name));
    f.setPointSizeF(points);
    return f;
}

const QString& Pictures::serifFamily() {
    if (serifFamily_.isEmpty()) {
        // The system's copy when it has one, which costs nothing to load; else the one built in,
        // so the message line looks the same on every machine.
        serifFamily_ = QStringLiteral("Liberation Serif");
        if (!QFontDatabase::hasFamily(serifFamily_)) {
            const int id =
                QFontDatabase::addApplicationFont(QStringLiteral(":/LiberationSerif-Regular.ttf"));
            const QStringList families = QFontDatabase::applicationFontFamilies(id);
            if (!families.isEmpty()) serifFamily_ = families.first();
        }
    }
    return serifFamily_;
}

} // namespace pirandella
