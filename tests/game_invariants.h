// What must hold of a game and the window that shows it whenever no handler is running.
#pragma once

#include "ui/session.h"

#include <string>

namespace pirandella::testing {

// Empty when every invariant holds, else the first one broken.
std::string BrokenInvariant(const Session& s);

} // namespace pirandella::testing
