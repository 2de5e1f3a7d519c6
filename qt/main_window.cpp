#include "qt/main_window.h"

#include "ui/handlers.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QLayout>
#include <QMenuBar>
#include <QScreen>

namespace pirandella {

ScreenMetrics MeasureScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    ScreenMetrics m;
    m.twipsPerPixelX = TwipsPerPixel(screen->logicalDotsPerInchX());
    m.twipsPerPixelY = TwipsPerPixel(screen->logicalDotsPerInchY());
    m.widthTwips = screen->geometry().width() * m.twipsPerPixelX;
    m.heightTwips = screen->geometry().height() * m.twipsPerPixelY;
    return m;
}

MainWindow::MainWindow(Game game) : game_(std::move(game)) {
    Form_Initialize(game_); // the first puzzle stands before the window is shown
    const WindowModel& w = game_.window;
    const double tpp = game_.screen.twipsPerPixelX;
    board_ = new BoardWidget(w, pictures_, tpp, this);
    board_->setFixedSize(TwipsToPixels(w.form.width, tpp),
                         TwipsToPixels(w.form.height, game_.screen.twipsPerPixelY));
    board_->onClick = [this](ElementRef ref) { onClick(ref); };
    setCentralWidget(board_);

    void (*const handlers[4])(Game&) = {mnuSoluzione_Click, mnuNS_Click, mnuIstruzioni_Click,
                                        mnuAnnullaMossa_Click};
    for (int id = 0; id < 4; ++id) {
        actions_[id] = menuBar()->addAction(QString::fromStdString(w.menu[id].caption));
        connect(actions_[id], &QAction::triggered, this, [this, h = handlers[id]] { handle(h); });
    }
    timer_.setInterval(w.timer1.interval);
    connect(&timer_, &QTimer::timeout, this, &MainWindow::tick);

    setWindowTitle(QString::fromStdString(w.form.caption));
    setWindowIcon(WindowIcon());
    layout()->setSizeConstraint(QLayout::SetFixedSize); // the layout does not adapt
    if (game_.state.scaled == 1)
        move(TwipsToPixels(w.form.left, tpp),
             TwipsToPixels(w.form.top, game_.screen.twipsPerPixelY));
    reflect();
}

MainWindow::~MainWindow() {
    Form_Terminate(game_);
}

void MainWindow::handle(void (*handler)(Game&)) {
    handler(game_);
    reflect();
}

void MainWindow::tick() {
    handle(Timer1_Timer);
}

void MainWindow::onClick(ElementRef ref) {
    if (ref.kind != ElementRef::Image2) return; // tiles and the label have no click handler
    Image2_Click(game_, ref.index);
    reflect();
}

// The label sizes itself to its caption, its top-left corner staying where it is.
void MainWindow::fitLabelToCaption() {
    LabelElement& label = game_.window.label1[0];
    if (label.caption == fittedCaption_) return; // measured once per caption, not per event
    fittedCaption_ = label.caption;
    const QFontMetrics metrics(pictures_.font(label.fontName, label.fontSize));
    label.width =
        static_cast<float>(metrics.horizontalAdvance(QString::fromStdString(label.caption)) *
                           game_.screen.twipsPerPixelX);
    label.height = static_cast<float>(metrics.height() * game_.screen.twipsPerPixelY);
}

void MainWindow::reflect() {
    const WindowModel& w = game_.window;
    for (int id = 0; id < 4; ++id) {
        const QString caption = QString::fromStdString(w.menu[id].caption);
        if (actions_[id]->text() != caption) actions_[id]->setText(caption);
    }
    if (w.timer1.enabled && !timer_.isActive()) timer_.start();
    if (!w.timer1.enabled && timer_.isActive()) timer_.stop();
    fitLabelToCaption();
    board_->update();
}

} // namespace pirandella
