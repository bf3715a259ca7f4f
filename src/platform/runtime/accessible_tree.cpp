#include "platform/runtime/accessible_tree.h"

#include <algorithm>
#include <cctype>
#include <optional>
#include <tuple>

#include "platform/runtime/form.h"
#include "platform/runtime/label.h"
#include "platform/runtime/runtime.h"

namespace platform {

namespace {

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    const auto last = text.find_last_not_of(" \t\r\n");
    return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

// A caption such as "?" says nothing to someone who cannot see where it is.
bool isSign(const std::string& caption) {
    return std::none_of(caption.begin(), caption.end(),
                        [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; });
}

std::string nameOf(const PointerControl& control) {
    if (control.accessibleName) {
        return control.accessibleName();
    }
    const auto* label = dynamic_cast<const Label*>(&control);
    const std::string caption = label != nullptr ? label->Caption.get() : std::string();
    const std::string tip = trimmed(control.ToolTipText);
    return (caption.empty() || isSign(caption)) && !tip.empty() ? tip : caption;
}

AccessibleRole roleOf(const PointerControl& control) {
    const auto* label = dynamic_cast<const Label*>(&control);
    if (label != nullptr && label->StatusLine) {
        return AccessibleRole::StatusBar;
    }
    if (control.clickActs()) {
        return AccessibleRole::Button;
    }
    return label != nullptr ? AccessibleRole::StaticText : AccessibleRole::Graphic;
}

bool contains(const PixelRect& outer, const PixelRect& inner) {
    return outer.x <= inner.x && outer.y <= inner.y &&
           inner.x + inner.width <= outer.x + outer.width &&
           inner.y + inner.height <= outer.y + outer.height && !(outer == inner);
}

// Rows top to bottom, each left to right: a row is what starts above the
// bottom of its first. Ties go to the front of the stack.
void sortByRows(std::vector<AccessibleNode>& nodes) {
    std::sort(nodes.begin(), nodes.end(), [](const AccessibleNode& a, const AccessibleNode& b) {
        return std::tuple(a.bounds.y, a.bounds.x, a.id) < std::tuple(b.bounds.y, b.bounds.x, b.id);
    });
    for (auto row = nodes.begin(); row != nodes.end();) {
        const int bottom = row->bounds.y + row->bounds.height;
        const auto end = std::find_if(
            row, nodes.end(), [bottom](const AccessibleNode& n) { return n.bounds.y >= bottom; });
        std::sort(row, end, [](const AccessibleNode& a, const AccessibleNode& b) {
            return std::tuple(a.bounds.x, a.bounds.y, a.id) <
                   std::tuple(b.bounds.x, b.bounds.y, b.id);
        });
        row = end;
    }
}

int area(const PixelRect& r) {
    return r.width * r.height;
}

// The largest of the controls around the node's, if any is.
std::optional<int> outermostAround(const std::vector<AccessibleNode>& nodes,
                                   const AccessibleNode& node) {
    const AccessibleNode* outermost = nullptr;
    for (const AccessibleNode& other : nodes) {
        if (contains(other.bounds, node.bounds) &&
            (outermost == nullptr || area(other.bounds) > area(outermost->bounds))) {
            outermost = &other;
        }
    }
    return outermost != nullptr ? std::optional(outermost->id) : std::nullopt;
}

// The reading order: groups by rows, where a group is a control and what
// lies inside it (a panel and its pictures), the control first.
std::vector<AccessibleNode> inReadingOrder(const std::vector<AccessibleNode>& nodes) {
    std::vector<AccessibleNode> heads;
    for (const AccessibleNode& node : nodes) {
        if (!outermostAround(nodes, node)) {
            heads.push_back(node);
        }
    }
    sortByRows(heads);
    std::vector<AccessibleNode> ordered;
    for (const AccessibleNode& head : heads) {
        ordered.push_back(head);
        std::vector<AccessibleNode> inside;
        for (const AccessibleNode& node : nodes) {
            if (outermostAround(nodes, node) == head.id) {
                inside.push_back(node);
            }
        }
        sortByRows(inside);
        ordered.insert(ordered.end(), inside.begin(), inside.end());
    }
    return ordered;
}

}  // namespace

const AccessibleNode* AccessibleTree::child(int id) const {
    const auto found = std::find_if(children.begin(), children.end(),
                                    [id](const AccessibleNode& node) { return node.id == id; });
    return found != children.end() ? &*found : nullptr;
}

const AccessibleNode* AccessibleTree::childAt(const Form& form, int x, int y) const {
    const auto& stack = form.controls();
    // Past the stack's end, where no control is hit, the tree has no child.
    const auto place = std::find(stack.begin(), stack.end(), form.controlAt(x, y)) - stack.begin();
    return child(static_cast<int>(place));
}

const AccessibleNode* AccessibleTree::statusLine() const {
    const auto found = std::find_if(
        children.begin(), children.end(),
        [](const AccessibleNode& node) { return node.role == AccessibleRole::StatusBar; });
    return found != children.end() ? &*found : nullptr;
}

AccessibleTree accessibleTreeOf(const Form& form) {
    AccessibleTree tree{.name = form.windowTitle(), .children = {}};
    const auto& stack = form.controls();
    for (std::size_t index = 0; index < stack.size(); ++index) {
        if (!stack[index]->takesPointer()) {
            continue;
        }
        const auto& control = static_cast<const PointerControl&>(*stack[index]);
        if (!form.reachablePoint(control)) {
            continue;
        }
        AccessibleNode node{.id = static_cast<int>(index),
                            .role = roleOf(control),
                            .name = nameOf(control),
                            .description = trimmed(control.ToolTipText),
                            .value = {},
                            .bounds = control.pixelRect(),
                            .pressable = false};
        if (node.description == node.name) {
            node.description.clear();
        }
        if (node.role == AccessibleRole::StatusBar) {
            node.value = form.lastAnnouncement();
        }
        node.pressable = node.role == AccessibleRole::Button && !form.runtime().modalOpen();
        tree.children.push_back(std::move(node));
    }
    tree.children = inReadingOrder(tree.children);
    return tree;
}

AccessibleUpdate changesBetween(const AccessibleTree& before, AccessibleTree now) {
    AccessibleUpdate update;
    const auto ids = [](const AccessibleTree& tree) {
        std::vector<int> list;
        for (const AccessibleNode& node : tree.children) {
            list.push_back(node.id);
        }
        return list;
    };
    update.reordered = ids(before) != ids(now);
    for (const AccessibleNode& node : now.children) {
        const AccessibleNode* old = before.child(node.id);
        if (old == nullptr) {
            continue;
        }
        if (old->name != node.name) {
            update.renamed.push_back(node.id);
        }
        if (old->role != node.role || old->pressable != node.pressable) {
            update.restated.push_back(node.id);
        }
    }
    update.tree = std::move(now);
    return update;
}

}  // namespace platform
