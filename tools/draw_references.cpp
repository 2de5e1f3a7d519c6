// Draws, straight from the fonts and never from the game's own files, what the page's test
// compares the canvas with: the capitals A to Z in Liberation Mono Bold (the tiles' letters), and
// the message line's tasks and a solved line in Liberation Serif, black on white, into
// web/tests/reference/.
//   draw_references OUTPUT_FOLDER      (needs fonts-liberation2)
#include <QDir>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <cstdlib>

namespace {

QFont Font(const char* file, int pixels) {
    const int id = QFontDatabase::addApplicationFont(
        QStringLiteral("/usr/share/fonts/truetype/liberation2/") + QLatin1String(file));
    if (id < 0) {
        std::fprintf(stderr, "draw_references: cannot read %s (install fonts-liberation2)\n", file);
        std::exit(1);
    }
    QFont font(QFontDatabase::applicationFontFamilies(id).first());
    font.setPixelSize(pixels);
    return font;
}

QImage Drawn(const QFont& font, const QString& text, int width, int height, int x, int baseline) {
    QImage image(width, height, QImage::Format_Grayscale8);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(x, baseline, text);
    return image;
}

void Save(const QImage& image, const QString& path) {
    if (!image.save(path)) {
        std::fprintf(stderr, "draw_references: cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: draw_references OUTPUT_FOLDER\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QFont mono = Font("LiberationMono-Bold.ttf", 96);
    mono.setBold(true);
    // The 26 capitals side by side, each in a cell of 96 x 128 pixels.
    QImage letters(26 * 96, 128, QImage::Format_Grayscale8);
    letters.fill(Qt::white);
    QPainter painter(&letters);
    for (int k = 0; k < 26; ++k)
        painter.drawImage(96 * k, 0, Drawn(mono, QString(QChar('A' + k)), 96, 128, 10, 100));
    painter.end();
    Save(letters, out.filePath(QStringLiteral("letters.png")));
    const QFont serif = Font("LiberationSerif-Regular.ttf", 64);
    const QFontMetrics metrics(serif);
    const auto line = [&](const QString& text, const QString& file) {
        Save(Drawn(serif, text, metrics.horizontalAdvance(text) + 16, 96, 8, 72), out.filePath(file));
    };
    for (int n = 5; n <= 7; ++n)
        line(QStringLiteral("in orizzontale posiziona %1 nomi di animali").arg(n),
             QStringLiteral("task-%1.png").arg(n));
    line(QStringLiteral("SCHEMA RISOLTO con n°20 mosse"), QStringLiteral("solved.png"));
    return 0;
}
