#pragma once

#include "mainwindow/layout.h"

namespace mainwindow {

// Returns every hover effect to rest: the three option shapes emptied, the
// three text buttons back to their colour at rest. Writes all six, always.
void eFall(MainWindowControls& c);

// Hover and press feedback on the main window's controls. It reads and
// changes nothing of the game.
void wirePointerFeedback(MainWindowControls& c);

}  // namespace mainwindow
