// The board's accessible nodes through Qt's accessibility interfaces (AT-SPI on Linux, UI
// Automation on Windows): an interface for each node the core lists, and the changes the core
// finds after each event sent as Qt's events.
#pragma once

#include <string>

namespace pirandella {

class BoardWidget;

// Gives every board widget its accessible interface; call once, before the window is shown.
void InstallBoardAccessibility();
// After an event: tells the screen reader what changed since it last looked, if it looks, and
// says the announcement through what has the focus.
void AnnounceChanges(BoardWidget* board, const std::string& announcement);

} // namespace pirandella
