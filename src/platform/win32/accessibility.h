#pragma once

#include "platform/runtime/accessible_tree.h"
#include "platform/win32/win32_api.h"

namespace platform::win32 {

class FormWindow;

// What assistive technology meets of one form window through MSAA: the
// runtime's tree as it was last handed over, its children numbered by their
// ids from 1, so that a number means the same child for as long as the form
// is loaded; the status line a polite live region; presses that click on the
// next turn of the message loop.
class FormAccessibility {
  public:
    // Posted to the window: a press of the child of that id.
    static constexpr UINT kPressMessage = WM_APP + 1;

    explicit FormAccessibility(const FormWindow& window) : window_(&window) {}

    const AccessibleTree& tree() const { return tree_; }
    static long childIdOf(int id) { return id + 1; }
    // The child of that MSAA number; none for the window itself (0) or a
    // number of no child.
    const AccessibleNode* child(long childId) const {
        return childId >= 1 ? tree_.child(static_cast<int>(childId - 1)) : nullptr;
    }

    // Takes the runtime's tree and tells assistive technology what changed.
    void update(const AccessibleUpdate& update);
    // Returns at once: the press runs on the next turn of the message loop,
    // if the child is pressable then.
    void pressLater(int id) const;
    void onPress(WPARAM id) const;
    // Once a screen reader asks: its status line becomes a polite live
    // region, which Narrator and NVDA speak at each change. Whether it did.
    bool markLiveRegion();

  private:
    const FormWindow* window_;
    AccessibleTree tree_;
    bool liveRegionMarked_ = false;
};

}  // namespace platform::win32
