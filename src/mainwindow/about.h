#pragma once

#include <string>

#include "platform/runtime/form.h"

namespace mainwindow {

// The About box's two lines: the maker, then the title and version.
std::string aboutText(int major, int minor);

// Opens the About box owned by the main window; returns when it is closed.
void cmdAbout_Click(platform::Form& window);

}  // namespace mainwindow
