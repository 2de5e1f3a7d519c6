// Draws the game's pictures into assets/: the background (at 1x and as an @2x twin) and the window
// icons, and writes the outlines that the game fills at run time at the screen's own pixel size:
// the 26 letters of the tiles and the text of the instructions page; and the message line's font
// as glyph outlines with their advances and kerning.
// Run: draw_assets <assets-folder>. Needs Debian's fonts-liberation2.
#include "view/access/spoken_names.h"
#include "view/render/glyph_font.h"
#include "view/render/outline_file.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <QTextLayout>
#include <algorithm>
#include <cstdio>
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

// The outline of a paragraph set in a font, wrapped to a width, from the top-left corner.
QPainterPath Paragraph(const QString& text, const QFont& font, double width, double& y) {
    QTextLayout layout(text, font);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, y));
        y += line.height();
    }
    layout.endLayout();
    QPainterPath path;
    for (const QGlyphRun& run : layout.glyphRuns()) {
        const QList<quint32> glyphs = run.glyphIndexes();
        const QList<QPointF> at = run.positions();
        for (int i = 0; i < glyphs.size(); ++i)
            path.addPath(run.rawFont().pathForGlyph(glyphs[i]).translated(at[i]));
    }
    return path;
}

// The instructions page, 300 x 300 px: black typewriter text on white. Heading and paragraphs.
QPainterPath InstructionsText() {
    QFont heading(typewriter);
    heading.setBold(true);
    heading.setPixelSize(20);
    double y = 0;
    QPainterPath title =
        Paragraph(QString::fromUtf8(pirandella::instructionsHeading), heading, 300, y);
    QPainterPath page = title.translated(150 - title.boundingRect().center().x(), 14);
    QFont body(typewriter);
    body.setPixelSize(12);
    y = 0;
    const double lineHeight = QFontMetricsF(body).height();
    for (const char* words : pirandella::instructionsParagraphs) {
        const QString paragraph = QString::fromUtf8(words);
        page.addPath(Paragraph(paragraph, body, 264, y).translated(18, 56));
        y += lineHeight; // an empty line between paragraphs
    }
    return page;
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

// The icon for a launcher that cuts it to its own shape (a circle, a rounded square): the grid in
// the middle three fifths, inside the safe circle, on the dark green of the page.
QImage MaskableIcon(int size) {
    QImage image = NewImage(size, size, 1, QColor(10, 22, 8));
    QPainter p(&image);
    const int inner = size * 3 / 5;
    p.drawImage(QPoint((size - inner) / 2, (size - inner) / 2), Icon(inner));
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

// A path's elements as the game's outline: moves, lines and cubics, with its fill rule.
pirandella::Outline ToOutline(const QPainterPath& path) {
    using pirandella::Outline;
    Outline o;
    o.fill = path.fillRule() == Qt::WindingFill ? Outline::Fill::NonZero : Outline::Fill::EvenOdd;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.type == QPainterPath::CurveToDataElement) {
            o.points.push_back({e.x, e.y}); // the control or end point of the cubic before
            continue;
        }
        o.steps.push_back(e.type == QPainterPath::MoveToElement   ? Outline::Step::Move
                          : e.type == QPainterPath::LineToElement ? Outline::Step::Line
                                                                  : Outline::Step::Cubic);
        o.points.push_back({e.x, e.y});
    }
    return o;
}

void SaveBytes(const std::string& bytes, const QString& path) {
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly) ||
        out.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
            static_cast<qint64>(bytes.size()))
        Fail(path);
}

// Outlines for the game to fill, in the game's own outline file.
void SaveOutlines(const QList<QPainterPath>& paths, const QString& path) {
    std::vector<pirandella::Outline> outlines;
    for (const QPainterPath& p : paths) outlines.push_back(ToOutline(p));
    SaveBytes(pirandella::WriteOutlines(outlines), path);
}

// The characters a caption can hold; anything else is drawn as a question mark.
const char* const captionCharacters = " !\"'(),-.0123456789:;?ABCDEFGHIJKLMNOPQRSTUVWXYZ"
                                      "abcdefghijklmnopqrstuvwxyz°àèéìòù";

// Liberation Serif (Times New Roman's metric twin) at one pixel per design unit, unhinted, so
// advances and kerning are the font's own numbers.
QRawFont SerifAtDesignSize() {
    const QString file = QString::fromLatin1(fontDir) + "LiberationSerif-Regular.ttf";
    const QRawFont probe(file, 100);
    QRawFont font(file, probe.unitsPerEm(), QFont::PreferNoHinting);
    if (!font.isValid()) {
        std::fprintf(stderr, "draw_assets: cannot read %s (install fonts-liberation2)\n",
                     qPrintable(file));
        std::exit(1);
    }
    return font;
}

pirandella::Glyph GlyphOf(const QRawFont& font, quint32 index, char32_t codePoint) {
    const double em = font.unitsPerEm();
    const QPointF advance = font.advancesForGlyphIndexes({index}, QRawFont::UseDesignMetrics).at(0);
    const QPainterPath path = QTransform::fromScale(1 / em, 1 / em).map(font.pathForGlyph(index));
    return {codePoint, advance.x() / em, ToOutline(path)};
}

// How much closer (negative) or farther the font sets two glyphs than their advances, in ems.
double KerningOf(const QRawFont& font, quint32 left, quint32 right) {
    const auto flags = QRawFont::UseDesignMetrics;
    const double kerned =
        font.advancesForGlyphIndexes({left, right}, flags | QRawFont::KernedAdvances).at(0).x();
    return (kerned - font.advancesForGlyphIndexes({left}, flags).at(0).x()) / font.unitsPerEm();
}

// The message line's font: the caption characters, a replacement for anything else, and the
// kerning pairs among the characters.
pirandella::GlyphFont SerifGlyphs() {
    const QRawFont font = SerifAtDesignSize();
    pirandella::GlyphFont glyphs;
    glyphs.ascent = font.ascent() / font.unitsPerEm();
    glyphs.descent = font.descent() / font.unitsPerEm();
    const QString characters = QString::fromUtf8(captionCharacters);
    const QList<quint32> indexes = font.glyphIndexesForString(characters);
    for (int i = 0; i < characters.size(); ++i) {
        if (indexes[i] == 0) {
            std::fprintf(stderr, "draw_assets: Liberation Serif has no glyph for U+%04X\n",
                         characters[i].unicode());
            std::exit(1);
        }
        glyphs.glyphs.push_back(GlyphOf(font, indexes[i], characters[i].unicode()));
        for (int k = 0; k < characters.size(); ++k)
            if (const double kerning = KerningOf(font, indexes[i], indexes[k]); kerning != 0)
                glyphs.kerning.push_back(
                    {characters[i].unicode(), characters[k].unicode(), kerning});
    }
    // Liberation Serif's missing glyph is blank, so a question mark shows that one is missing.
    const quint32 question = font.glyphIndexesForString(QStringLiteral("?")).at(0);
    glyphs.glyphs.push_back(GlyphOf(font, question, pirandella::replacementCharacter));
    const auto byCodePoint = [](const auto& a, const auto& b) { return a.codePoint < b.codePoint; };
    std::sort(glyphs.glyphs.begin(), glyphs.glyphs.end(), byCodePoint);
    std::sort(glyphs.kerning.begin(), glyphs.kerning.end(), [](const auto& a, const auto& b) {
        return std::pair(a.left, a.right) < std::pair(b.left, b.right);
    });
    return glyphs;
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
    for (int size : {16, 32, 48, 64, 128, 192, 256, 512})
        Save(Icon(size), out.filePath(QStringLiteral("icons/pirandella-%1.png").arg(size)));
    Save(MaskableIcon(512), out.filePath(QStringLiteral("icons/pirandella-maskable-512.png")));
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
    for (int s : {1, 2}) // a photograph: resampled, not drawn at run time
        Save(Background(s), out.filePath(s == 1 ? "background.jpg" : "background@2x.jpg"));
    QList<QPainterPath> letters;
    for (char c = 'A'; c <= 'Z'; ++c) letters << LetterPath(QChar(c));
    SaveOutlines(letters, out.filePath(QString::fromLatin1(pirandella::lettersFile)));
    SaveOutlines({InstructionsText()}, out.filePath(QString::fromLatin1(pirandella::pageFile)));
    const std::string glyphs = pirandella::WriteGlyphFont(SerifGlyphs());
    if (glyphs.empty()) {
        std::fprintf(stderr, "draw_assets: Liberation Serif has a number that serif.glyphs "
                             "cannot hold exactly\n");
        return 1;
    }
    SaveBytes(glyphs, out.filePath(QString::fromLatin1(pirandella::serifFile)));
    SaveIcons(out);
    return 0;
}
