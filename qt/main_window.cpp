#include "qt/main_window.h"

#include <QAccessible>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QProxyStyle>
#include <QScreen>
#include <QShortcut>
#include <QStyleOptionMenuItem>
#include <QWindow>
#include <algorithm>

namespace pirandella {

namespace {

// The menu bar's look, with the command chosen from the keyboard drawn as if pressed, so the
// player sees which one Enter runs (the usual look marks it only while the mouse is over it).
class MenuBarStyle : public QProxyStyle {
  public:
    explicit MenuBarStyle(QObject* owner) { setParent(owner); }
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        if (element == CE_MenuBarItem && widget && widget->hasFocus() &&
            (option->state & State_Selected)) {
            QStyleOptionMenuItem chosen = *qstyleoption_cast<const QStyleOptionMenuItem*>(option);
            chosen.state |= State_Sunken;
            return QProxyStyle::drawControl(element, &chosen, painter, widget);
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }
};

} // namespace

MainWindow::MainWindow(Game game) : midend_(std::move(game)) {
    for (int id = 0; id < commandCount; ++id) {
        actions_[id] = menuBar()->addAction(QString::fromStdString(CommandCaptions()[id][0]));
        connect(actions_[id], &QAction::triggered, this, [this, id] {
            if (menuBar()->hasFocus()) board_->setFocus(); // run from the keyboard: back to play
            midend_.command(static_cast<Command>(id));
        });
    }
    menuBar()->ensurePolished(); // measured in the font it will show
    // The menu bar is part of the window's outer size, which the scaling centres on the screen;
    // a window manager's frame and title follow once the window is shown.
    const QScreen* screen = QGuiApplication::primaryScreen();
    midend_.setScreen(ScreenOf(screen->logicalDotsPerInchX(), screen->logicalDotsPerInchY(),
                               screen->geometry().width(), screen->geometry().height()));
    midend_.setChrome(0, menuBar()->sizeHint().height());
    if (midend_.game().boardSize == 0) midend_.start(); // the first puzzle, before the window shows
    const WindowPlace place = midend_.windowPlace();
    InstallBoardAccessibility();
    board_ =
        new BoardWidget(midend_, pictures_, QSize(place.clientWidth, place.clientHeight), this);
    setCentralWidget(board_);
    board_->setFocus(); // the arrow keys play from the start
    menuBar()->setStyle(new MenuBarStyle(this));
    // F10 opens the menu bar as Alt does: the arrow keys then choose, Enter runs. The usual
    // shortcuts run menu commands.
    const std::pair<QKeySequence, Key> shortcuts[] = {{Qt::Key_F10, Key::F10},
                                                      {QKeySequence::Undo, Key::CtrlZ},
                                                      {QKeySequence::New, Key::CtrlN},
                                                      {Qt::Key_F2, Key::F2},
                                                      {Qt::Key_F1, Key::F1}};
    for (const auto& [keys, key] : shortcuts)
        connect(new QShortcut(keys, this), &QShortcut::activated, this, [this, k = key] {
            board_->setFocus(); // from the menu bar too: back to play
            midend_.key(k);
        });
    menuBar()->installEventFilter(this);
    timer_.setInterval(playbackIntervalMs);
    connect(&timer_, &QTimer::timeout, this, [this] { midend_.tick(); });

    setWindowTitle(QString::fromStdString(midend_.window().outer.title));
    // The icon's six sizes take a few milliseconds to decode: they follow the window onto the
    // screen rather than hold it back.
    QTimer::singleShot(0, this, [this] { setWindowIcon(WindowIcon()); });
    // The layout does not adapt, so the window offers no maximise button and asks for one size.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    normalSize_ = QSize(std::max(place.clientWidth, widestMenuBar()),
                        place.clientHeight + menuBar()->sizeHint().height());
    holdNormalSize();
    if (place.corner) move(place.corner->first, place.corner->second);
    midend_.setPlatform(*this);
}

// Wide enough for every command at its longest caption, should the menu font be large, so none
// ever goes behind the menu bar's overflow button.
int MainWindow::widestMenuBar() {
    const QFontMetrics metrics(menuBar()->font());
    const auto widest = WidestCaptions(
        [&](const std::string& c) { return metrics.horizontalAdvance(QString::fromStdString(c)); });
    for (int id = 0; id < commandCount; ++id)
        actions_[id]->setText(QString::fromStdString(widest[id]));
    const int width = menuBar()->sizeHint().width();
    for (int id = 0; id < commandCount; ++id)
        showCaption(Command(id), midend_.window().captions[id]);
    return width;
}

void MainWindow::holdNormalSize() {
    setMinimumSize(normalSize_);
    // Qt's Wayland client holds the size a compositor gives a maximised window to the window's
    // greatest size, and the compositor then ends the program for the mismatch: there the window
    // names only its least size, and a larger one shows the design in its middle.
    const bool wayland = QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
    setMaximumSize(wayland ? QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX) : normalSize_);
    resize(normalSize_);
}

// Maximised or full screen, by the player or by the window manager: the window takes the size it
// is given, with the design in its middle. Back to normal, it asks for its own size again.
bool MainWindow::event(QEvent* e) {
    if (e->type() == QEvent::Move || e->type() == QEvent::Show) followFrame();
    if (e->type() == QEvent::WindowStateChange) {
        if (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))
            setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        else
            holdNormalSize();
    }
    return QMainWindow::event(e);
}

void MainWindow::followFrame() {
    const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    if (frame.isNull() || windowState() != Qt::WindowNoState) return; // unframed, or not placed
    const int width = frame.left() + frame.right();
    const int height = frame.top() + frame.bottom() + menuBar()->height();
    if (width == midend_.view().chromeWidth && height == midend_.view().chromeHeight) return;
    midend_.setChrome(width, height);
    if (const auto corner = midend_.windowPlace().corner) move(corner->first, corner->second);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* e) {
    if (watched == menuBar() && e->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape)
        board_->setFocus(Qt::OtherFocusReason);
    return QMainWindow::eventFilter(watched, e);
}

} // namespace pirandella
