#pragma once

#include <string>
#include <vector>

#include "platform/runtime/units.h"

namespace platform {

class Form;

enum class AccessibleRole { StatusBar, Button, StaticText, Graphic };

// One control as assistive technology meets it.
struct AccessibleNode {
    // The control's place in its form's stack: the same for as long as the
    // form is loaded, whatever comes and goes around it.
    int id = 0;
    AccessibleRole role = AccessibleRole::StaticText;
    std::string name;
    // What the tool tip adds to the name; empty when it adds nothing.
    std::string description;
    // The status line's: what it said last.
    std::string value;
    PixelRect bounds;  // the form's pixels
    // Its one action, a press, would click it now.
    bool pressable = false;

    friend bool operator==(const AccessibleNode&, const AccessibleNode&) = default;
};

// A form's window as assistive technology meets it: its name, and the labels
// and images the pointer reaches, in the order a sighted player reads them.
struct AccessibleTree {
    std::string name;
    std::vector<AccessibleNode> children;

    const AccessibleNode* child(int id) const;
    const AccessibleNode* statusLine() const;
    // The child that the pointer at a point of the form (in its pixels)
    // would reach; none where that is nothing the tree has.
    const AccessibleNode* childAt(const Form& form, int x, int y) const;
};

// What changed since a tree was last handed to the window system, for the
// events screen readers listen to.
struct AccessibleUpdate {
    AccessibleTree tree;
    // Children still there with a new name, or a new role or pressability.
    std::vector<int> renamed;
    std::vector<int> restated;
    // Children came or went, or changed places.
    bool reordered = false;
    // To be said now through the status line; empty if nothing is.
    std::string announcement;

    bool empty() const {
        return renamed.empty() && restated.empty() && !reordered && announcement.empty();
    }
};

// The tree of a loaded form now.
AccessibleTree accessibleTreeOf(const Form& form);

// What tells `now` from `before`, the announcement aside.
AccessibleUpdate changesBetween(const AccessibleTree& before, AccessibleTree now);

}  // namespace platform
