// Draws every picture of the game into assets/: the two letter-tile lists, the background, the
// instructions page, the window icon and the arrow pointers, each at 1x and as an @2x twin.
// Run: draw_assets <assets-folder>. Needs Debian's fonts-liberation2.
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cstdio>
#include <functional>
#include <random>

namespace {

const char* const fontDir = "/usr/share/fonts/truetype/liberation2/";
QString typewriter; // bold slab-serif: Liberation Mono, Courier New's metric twin

QString LoadFont(const char* file) {
    const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(fontDir) + file);
    if (id < 0) {
        std::fprintf(stderr, "draw_assets: cannot read %s%s (install fonts-liberation2)\n", fontDir,
                     file);
        std::exit(1);
    }
    return QFontDatabase::applicationFontFamilies(id).first();
}

// A letter as a path whose capitals stand 12 px high, on pixel rows 15 to 26, centred.
QPainterPath LetterPath(QChar letter) {
    QFont font(typewriter);
    font.setBold(true);
    font.setPixelSize(100);
    QPainterPath capital;
    capital.addText(0, 0, font, QStringLiteral("H"));
    const double scale = 12.0 / capital.boundingRect().height();
    QPainterPath path;
    path.addText(0, 0, font, QString(letter));
    QTransform t;
    t.scale(scale, scale);
    path = t.map(path);
    const QRectF box = path.boundingRect();
    return path.translated(16 - box.center().x(), 27);
}

QImage NewImage(int width, int height, int scale, QColor fill) {
    QImage image(width * scale, height * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(fill);
    return image;
}

QPainter& Prepare(QPainter& p, int scale) {
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
    return p;
}

// 26 tiles side by side, A to Z. Red style: red letter, pale pink shadow, transparent ground.
QImage RedTiles(int s) {
    QImage image = NewImage(32 * 26, 32, s, Qt::transparent);
    QPainter p(&image);
    Prepare(p, s).setPen(Qt::NoPen);
    for (int k = 0; k < 26; ++k) {
        const QPainterPath letter = LetterPath(QChar('A' + k)).translated(32 * k, 0);
        p.fillPath(letter.translated(1, 1), QColor(255, 202, 202));
        p.fillPath(letter, QColor(255, 45, 45));
    }
    return image;
}

// White style: dark grey letter on white, a grey line along the right and bottom edges.
QImage WhiteTiles(int s) {
    QImage image = NewImage(32 * 26, 32, s, Qt::white);
    QPainter p(&image);
    Prepare(p, s);
    for (int k = 0; k < 26; ++k) {
        p.fillRect(QRectF(32 * k + 31, 0, 1, 32), QColor(161, 161, 161));
        p.fillRect(QRectF(32 * k, 31, 32, 1), QColor(161, 161, 161));
        p.fillPath(LetterPath(QChar('A' + k)).translated(32 * k, 0), QColor(51, 51, 51));
    }
    return image;
}

// Green foliage like a photograph: layers of leaves, lit from above, dark along the bottom.
QImage Background(int s) {
    const int fine = 2 * s; // drawn larger, then smoothed down
    QImage image = NewImage(410, 456, fine, QColor(18, 48, 20));
    QPainter p(&image);
    Prepare(p, fine).setPen(Qt::NoPen);
    std::mt19937 rng(20261207);
    std::uniform_real_distribution<double> u(0, 1);
    for (int i = 0; i < 2600; ++i) {
        const double x = u(rng) * 430 - 10, y = u(rng) * 476 - 10;
        const double depth = i / 2600.0; // later leaves lie nearer and catch more light
        const double light = (0.35 + 0.65 * depth) * (1.1 - 0.5 * y / 456) * (0.7 + 0.5 * u(rng));
        const QColor colour = QColor::fromHsvF(0.22 + 0.1 * u(rng), 0.55 + 0.35 * u(rng),
                                               std::min(1.0, 0.12 + 0.55 * light));
        const double length = 10 + 22 * u(rng), width = length * (0.3 + 0.25 * u(rng));
        p.save();
        p.translate(x, y);
        p.rotate(u(rng) * 360);
        p.setBrush(colour);
        QPainterPath leaf;
        leaf.moveTo(-length / 2, 0);
        leaf.quadTo(0, -width, length / 2, 0);
        leaf.quadTo(0, width, -length / 2, 0);
        p.drawPath(leaf);
        p.setPen(QPen(colour.darker(130), 0.6));
        p.drawLine(QPointF(-length / 2, 0), QPointF(length / 2, 0));
        p.setPen(Qt::NoPen);
        p.restore();
    }
    QLinearGradient shade(0, 0, 0, 456);
    shade.setColorAt(0.0, QColor(0, 0, 0, 0));
    shade.setColorAt(0.7, QColor(0, 0, 0, 40));
    shade.setColorAt(0.86, QColor(0, 0, 0, 170));
    shade.setColorAt(1.0, QColor(0, 0, 0, 215));
    p.fillRect(QRectF(0, 0, 410, 456), shade);
    p.end();
    return image.scaled(410 * s, 456 * s, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB32);
}

QImage Instructions(int s) {
    QImage image = NewImage(300, 300, s, Qt::white);
    QPainter p(&image);
    Prepare(p, s).setPen(Qt::black);
    QFont heading(typewriter);
    heading.setBold(true);
    heading.setPixelSize(20);
    p.setFont(heading);
    p.drawText(QRectF(0, 14, 300, 26), Qt::AlignHCenter, QStringLiteral("ISTRUZIONI"));
    QFont body(typewriter);
    body.setPixelSize(12);
    p.setFont(body);
    const QString text = QStringLiteral(
        "Cliccando sulle caselle ai lati della tabella si fa ruotare il contenuto delle righe e "
        "delle colonne nella direzione indicata dal puntatore del mouse.\n\n"
        "Le lettere che si trovano al posto giusto diventano rosse su fondo trasparente.\n\n"
        "Il gioco termina quando tutti i nomi di animali sono stati trovati e messi al loro "
        "posto.");
    p.drawText(QRectF(18, 56, 264, 230), Qt::TextWordWrap, text);
    return image;
}

// A small letter grid: white squares with grey lines, some black, one with a red capital.
QImage Icon(int size) {
    QImage image = NewImage(size, size, 1, Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    const bool black[4][4] = {{0, 0, 1, 0}, {1, 0, 0, 0}, {0, 0, 0, 1}, {0, 1, 0, 0}};
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x)
            p.fillRect(QRectF(x * 8, y * 8, 8, 8), black[y][x] ? Qt::black : Qt::white);
    p.setPen(QPen(QColor(128, 128, 128), 32.0 / size));
    for (int i = 0; i <= 4; ++i) {
        const double at = std::min(i * 8.0, 31.5);
        p.drawLine(QPointF(at, 0), QPointF(at, 32));
        p.drawLine(QPointF(0, at), QPointF(32, at));
    }
    QFont font(typewriter);
    font.setBold(true);
    font.setPixelSize(9);
    p.setFont(font);
    p.setPen(QColor(255, 45, 45));
    p.drawText(QRectF(8, 8, 8, 8), Qt::AlignCenter, QStringLiteral("P"));
    return image;
}

// A hollow block arrow pointing down in a 16 x 16 cell; the other directions are reflections.
QImage Pointer(int s, const std::function<QPointF(QPointF)>& turn) {
    const QPolygonF outer{{5, 0}, {9, 0}, {9, 7}, {13, 7}, {7, 13}, {1, 7}, {5, 7}, {5, 0}};
    const QPolygonF inner{{6, 1}, {8, 1}, {8, 8}, {11, 8}, {7, 12}, {3, 8}, {6, 8}, {6, 1}};
    QImage image = NewImage(16, 16, s, Qt::transparent);
    QPainter p(&image);
    p.scale(s, s);
    p.translate(0.5, 0.5); // lines through pixel centres
    for (const auto& [shape, colour] :
         {std::pair{outer, QColor(Qt::black)}, std::pair{inner, QColor(200, 200, 200)}}) {
        QPolygonF turned;
        for (const QPointF& point : shape) turned << turn(point);
        p.setPen(QPen(colour, 1.0));
        p.drawPolyline(turned);
    }
    return image;
}

void Fail(const QString& path) {
    std::fprintf(stderr, "draw_assets: cannot write %s\n", qPrintable(path));
    std::exit(1);
}

void Save(const QImage& image, const QString& path) {
    if (!image.save(path, nullptr, path.endsWith(QLatin1String(".jpg")) ? 92 : -1)) Fail(path);
}

QByteArray Png(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

void AppendBigEndian(QByteArray& out, quint32 value) {
    for (int shift = 24; shift >= 0; shift -= 8) out.append(char((value >> shift) & 0xff));
}

// The macOS bundle icon: an icns file of PNG entries.
void SaveIcns(const QString& path) {
    const std::pair<const char*, int> entries[] = {
        {"icp4", 16}, {"icp5", 32}, {"icp6", 64}, {"ic07", 128}, {"ic08", 256}};
    QByteArray body;
    for (const auto& [type, size] : entries) {
        const QByteArray png = Png(Icon(size));
        body.append(type, 4);
        AppendBigEndian(body, quint32(png.size() + 8));
        body.append(png);
    }
    QByteArray file("icns");
    AppendBigEndian(file, quint32(body.size() + 8));
    file.append(body);
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly) || out.write(file) != file.size()) Fail(path);
}

// Icons for desktops (hicolor sizes), Windows (ico) and macOS (icns).
void SaveIcons(const QDir& out) {
    out.mkpath(QStringLiteral("icons"));
    for (int size : {16, 32, 48, 64, 128, 256})
        Save(Icon(size), out.filePath(QStringLiteral("icons/pirandella-%1.png").arg(size)));
    Save(Icon(256), out.filePath(QStringLiteral("icons/pirandella.ico")));
    SaveIcns(out.filePath(QStringLiteral("icons/pirandella.icns")));
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw_assets <assets-folder>\n");
        return 2;
    }
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    typewriter = LoadFont("LiberationMono-Bold.ttf");
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const std::pair<const char*, std::function<QPointF(QPointF)>> pointers[] = {
        {"pointer_down", [](QPointF q) { return q; }},
        {"pointer_up", [](QPointF q) { return QPointF(q.x(), 14 - q.y()); }},
        {"pointer_right", [](QPointF q) { return QPointF(q.y(), q.x()); }},
        {"pointer_left", [](QPointF q) { return QPointF(14 - q.y(), q.x()); }}};
    for (int s : {1, 2}) {
        const QString twin = s == 1 ? QString() : QStringLiteral("@2x");
        Save(RedTiles(s), out.filePath("imagelist2" + twin + ".png"));
        Save(WhiteTiles(s), out.filePath("imagelist3" + twin + ".png"));
        Save(Background(s), out.filePath("background" + twin + ".jpg")); // a photograph
        Save(Instructions(s), out.filePath("instructions" + twin + ".png"));
        for (const auto& [name, turn] : pointers)
            Save(Pointer(s, turn), out.filePath(QString::fromLatin1(name) + twin + ".png"));
    }
    SaveIcons(out);
    return 0;
}
