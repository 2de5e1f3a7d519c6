// What a screen reader finds on the board, through Qt's accessibility interfaces (AT-SPI on
// Linux, UI Automation on Windows): the message line, the instructions page while it is shown,
// every visible arrow cell as a button that makes its move, and every visible tile as a cell
// with its place and letter. Hidden elements are not there.
#pragma once

#include "view/window_model.h"

#include <QAccessibleWidget>
#include <map>
#include <string>

namespace pirandella {

class BoardWidget;

class BoardAccessible : public QAccessibleWidget {
  public:
    explicit BoardAccessible(BoardWidget* board);
    ~BoardAccessible() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;
    QString text(QAccessible::Text t) const override;

    // The interface of one element, made when first asked for and kept while the board lives.
    QAccessibleInterface* element(ElementRef ref) const;
    // After an event: tells the screen reader what changed since the last time.
    void announceChanges();

  private:
    BoardWidget* board() const;
    std::vector<ElementRef> exposed() const;
    std::map<std::pair<int, int>, std::string> spokenNow() const; // name of each exposed element

    mutable std::map<std::pair<int, int>, QAccessibleInterface*> elements_;
    std::map<std::pair<int, int>, std::string> spoken_; // names last told, of exposed elements
    int focus_ = -1;                                    // the arrow last told as focused
};

// Gives every board widget its accessible interface; call once, before the window is shown.
void InstallBoardAccessibility();

} // namespace pirandella
