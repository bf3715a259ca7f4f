#pragma once

#include <string>
#include <vector>

#include "platform/win32/win32_api.h"

namespace platform {
class PointerControl;
}

namespace platform::win32 {

class FormWindow;

// What assistive technology sees of one form window: the controls that the
// pointer reaches, each a child numbered from 1 front to back; what the
// status line said last; presses that click on the next turn of the message
// loop.
class FormAccessibility {
  public:
    // Posted to the window: a press of the control at that place in the
    // form's stack, and the announcements gathered while a handler ran.
    static constexpr UINT kPressMessage = WM_APP + 1;
    static constexpr UINT kSayMessage = WM_APP + 2;

    explicit FormAccessibility(const FormWindow& window) : window_(&window) {}

    // The visible labels and images that the pointer reaches, front to back.
    std::vector<const PointerControl*> controls() const;
    // The child of that number, 1 for the first control; none out of range.
    const PointerControl* child(long id) const;
    // The number of the control's child; 0 (the window itself) when out of reach.
    long childId(const PointerControl& control) const;

    // What the pointer could click now: a control that takes clicks, where
    // nothing covers it, in a window that no modal box shuts off.
    bool pressable(const PointerControl& control) const;
    // Returns at once: the press runs as a click on the next turn of the
    // message loop, if the control is pressable then.
    void pressLater(const PointerControl& control) const;
    void onPress(WPARAM stackIndex) const;

    // Said once the running handler has returned, after what it said before.
    void announce(const std::string& text);
    void onSay();
    // The first time the window comes forward, a screen reader names it; what
    // the status line says then is news too.
    void windowActivated();
    const std::string& announcement() const { return announcement_; }
    // Tells assistive technology of a control's new name.
    void nameMayHaveChanged(const PointerControl& control) const;

  private:
    const FormWindow* window_;
    std::string announcement_;
    std::string pending_;
    bool activated_ = false;
};

}  // namespace platform::win32
