// The game's Qt window: owns the game, its menu bar and its timer, and after every event shows
// the window model's current state.
#pragma once

#include "engine/game.h"
#include "qt/board_widget.h"
#include "qt/pictures.h"

#include <QMainWindow>
#include <QTimer>
#include <array>

class QAction;

namespace pirandella {

// The screen the window opens on, as the game measures it.
ScreenMetrics MeasureScreen();

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

  private:
    void handle(void (*handler)(Game&));
    void onClick(ElementRef ref);
    void fitLabelToCaption();

    Game game_;
    Pictures pictures_;
    BoardWidget* board_ = nullptr;
    std::array<QAction*, 4> actions_{};
    std::string fittedCaption_; // the caption the label was last sized to
    QTimer timer_;
};

} // namespace pirandella
