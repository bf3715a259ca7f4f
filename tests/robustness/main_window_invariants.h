#pragma once

#include <string>

#include "mainwindow/layout.h"

namespace robustness {

// Whatever the input, the main window shows a state its handlers can reach.
// Each check returns an empty string when it holds, else what broke.
std::string checkMainWindow(const mainwindow::MainWindowControls& c, int tickCount);

// A counter caption is a whole number in its shortest form: "0", "7", "10".
bool isCounterText(const std::string& text);

}  // namespace robustness
