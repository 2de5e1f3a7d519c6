// The board's accessible nodes through Qt's accessibility interfaces (AT-SPI on Linux, UI
// Automation on Windows): one interface for each node the core lists, and the changes the core
// finds after each event sent as Qt's events.
#pragma once

#include "view/accessible_view.h"

#include <QAccessibleWidget>
#include <map>

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

    mutable std::map<std::pair<int, int>, QAccessibleInterface*> elements_;
    AccessibleWatch watch_;
};

// Gives every board widget its accessible interface; call once, before the window is shown.
void InstallBoardAccessibility();

} // namespace pirandella
