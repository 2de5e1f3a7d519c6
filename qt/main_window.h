// The game's Qt window: owns the game, its menu bar and its timer, and after every event shows
// the window model's current state.
#pragma once

#include "qt/board_widget.h"
#include "qt/pictures.h"

#include <QMainWindow>
#include <QTimer>
#include <array>

class QAction;

namespace pirandella {

// The screen the window opens on, as the game measures it.
ScreenMetrics MeasureScreen();

class MainWindow : public QMainWindow, private Platform {
  public:
    explicit MainWindow(Session session);
    ~MainWindow() override;

    Session& session() { return session_; }
    BoardWidget* board() { return board_; }
    QAction* menuAction(Command c) { return actions_[static_cast<int>(c)]; }
    QTimer& timer() { return timer_; }

    // One tick of the timer, as the running timer delivers it.
    void tick() { front_.tick(); }

  protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void changeEvent(QEvent* e) override;

  private:
    void showCaption(Command c, const std::string& caption) override;
    void runTimer(bool running, int intervalMs) override;
    void repaint() override { board_->update(); }
    void tellScreenReader(const std::string& announcement) override;
    void openMenuBar() override;
    // The size the window keeps while it is neither maximised nor full screen.
    void holdNormalSize();
    // Takes in the frame and title that a window manager adds once the window is shown.
    void followFrame();
    void placeAsScaled();
    int widestMenuBar();

    Session session_;
    FrontEnd front_{session_, *this};
    Pictures pictures_;
    BoardWidget* board_ = nullptr;
    std::array<QAction*, 4> actions_{};
    QSize normalSize_;
    QTimer timer_;
};

} // namespace pirandella
