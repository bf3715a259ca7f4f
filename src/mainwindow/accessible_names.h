#pragma once

#include <string>

#include "mainwindow/layout.h"

namespace mainwindow {

// Names, for a screen reader's user, the controls whose caption or tool tip
// would not say what they are: the counters, the two hands and the panels.
void nameControls(MainWindowControls& c);

// What follows the verdict for a screen reader's user: the computer's figure
// and the score.
std::string verdictDetails(const MainWindowControls& c);

}  // namespace mainwindow
