#include "platform/web/accessibility.h"

#include "platform/web/page.h"

namespace platform::web {

namespace {

// The DOM's role for each of the runtime's; a picture without a name is the
// DOM's decoration.
const char* domRoleOf(const AccessibleNode& node) {
    switch (node.role) {
        case AccessibleRole::StatusBar:
            return "status";
        case AccessibleRole::Button:
            return "button";
        case AccessibleRole::Graphic:
            return node.name.empty() ? "none" : "img";
        case AccessibleRole::StaticText:
            break;
    }
    return "text";
}

}  // namespace

void showAccessibleTree(int window, const AccessibleUpdate& update) {
    zumbilo_layer_begin(window, update.tree.name.c_str());
    for (const AccessibleNode& node : update.tree.children) {
        const PixelRect& r = node.bounds;
        zumbilo_layer_child(window, node.id, domRoleOf(node), node.name.c_str(),
                            node.description.c_str(), r.x, r.y, r.width, r.height, node.pressable);
    }
    zumbilo_layer_end(window);
    if (!update.announcement.empty()) {
        zumbilo_layer_announce(window, update.announcement.c_str());
    }
}

}  // namespace platform::web
