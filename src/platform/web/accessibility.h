#pragma once

#include "platform/runtime/accessible_tree.h"

namespace platform::web {

// Hands the page's layer over a window's canvas the runtime's tree: the
// window's name and each child in reading order, a real button for each
// that a player can press, the status line a polite live region that says
// the announcement.
void showAccessibleTree(int window, const AccessibleUpdate& update);

}  // namespace platform::web
