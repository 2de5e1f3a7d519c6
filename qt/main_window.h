// The game's Qt window: the midend's platform, with the menu bar, the playback's clock and the
// board widget; its size and place come from the midend.
#pragma once

#include "qt/board_widget.h"

#include <QAction>
#include <QMainWindow>
#include <QMenuBar>
#include <QTimer>
#include <array>

namespace pirandella {

class MainWindow : public QMainWindow, private Platform {
  public:
    // The game as it stands; a new one has its first puzzle set up before the window is shown.
    explicit MainWindow(Game game = {});

    Midend& midend() { return midend_; }
    BoardWidget* board() { return board_; }
    QAction* menuAction(Command c) { return actions_[static_cast<int>(c)]; }
    QTimer& timer() { return timer_; }
    // Why the game cannot be drawn (a built-in file missing or damaged); empty when it can.
    const std::string& failure() const { return pictures_.error(); }

  protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

  private:
    void showCaption(Command c, const std::string& caption) override {
        actions_[static_cast<int>(c)]->setText(QString::fromStdString(caption));
    }
    void runClock(int ms) override { ms > 0 ? timer_.start(ms) : timer_.stop(); }
    void repaint() override { board_->update(); }
    void tellScreenReader(const std::string& said) override { AnnounceChanges(board_, said); }
    // F10: the menu bar takes the keyboard with its first command chosen; the arrow keys choose
    // another, Enter runs it and Escape goes back to the board.
    void openMenuBar() override {
        menuBar()->setFocus(Qt::MenuBarFocusReason);
        menuBar()->setActiveAction(actions_[0]);
    }
    // The size the window keeps while it is neither maximised nor full screen.
    void holdNormalSize();
    // Takes in the frame and title that a window manager adds once the window is shown.
    void followFrame();
    int widestMenuBar();

    Midend midend_;
    Pictures pictures_;
    BoardWidget* board_ = nullptr;
    std::array<QAction*, commandCount> actions_{};
    QSize normalSize_;
    QTimer timer_;
};

} // namespace pirandella
