// The game's Qt window: owns the game, its menu bar and its timer, and after every event shows
// the window model's current state.
#pragma once

#include "engine/game.h"
#include "qt/board_widget.h"
#include "qt/pictures.h"

#include <QMainWindow>
#include <QProxyStyle>
#include <QTimer>
#include <array>

class QAction;

namespace pirandella {

// The screen the window opens on, as the game measures it.
ScreenMetrics MeasureScreen();

// The menu bar's look, with the command chosen from the keyboard highlighted.
class MenuBarStyle : public QProxyStyle {
  public:
    explicit MenuBarStyle(QObject* owner) { setParent(owner); }
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
};

class MainWindow : public QMainWindow {
  public:
    explicit MainWindow(Game game);
    ~MainWindow() override;

    Game& game() { return game_; }
    BoardWidget* board() { return board_; }
    QAction* menuAction(MenuId id) { return actions_[id]; }
    QTimer& timer() { return timer_; }

    // Brings every widget in line with the model; runs after each event.
    void reflect();
    // One tick of the timer, as the running timer delivers it.
    void tick();

  protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void changeEvent(QEvent* e) override;

  private:
    void handle(void (*handler)(Game&));
    void onClick(ElementRef ref);
    bool onKey(Key key);
    void fitLabelToCaption();
    // The size the window keeps while it is neither maximised nor full screen.
    void holdNormalSize();
    // Takes in the frame and title that a window manager adds once the window is shown.
    void followFrame();
    void placeAsScaled();
    void openMenuBar();

    Game game_;
    Pictures pictures_;
    BoardWidget* board_ = nullptr;
    std::array<QAction*, 4> actions_{};
    std::string fittedCaption_; // the caption the label was last sized to
    QSize normalSize_;
    QTimer timer_;
};

} // namespace pirandella
