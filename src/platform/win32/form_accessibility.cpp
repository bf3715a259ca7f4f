#include "platform/win32/form_accessibility.h"

#include <algorithm>

#include "platform/runtime/form.h"
#include "platform/runtime/label.h"
#include "platform/win32/form_window.h"

namespace platform::win32 {

std::vector<const PointerControl*> FormAccessibility::controls() const {
    const Form* form = window_->form();
    return form != nullptr ? form->reachableControls() : std::vector<const PointerControl*>{};
}

const PointerControl* FormAccessibility::child(long id) const {
    const auto reached = controls();
    return id >= 1 && id <= static_cast<long>(reached.size())
               ? reached[static_cast<std::size_t>(id - 1)]
               : nullptr;
}

long FormAccessibility::childId(const PointerControl& control) const {
    const auto reached = controls();
    const auto found = std::ranges::find(reached, &control);
    return found != reached.end() ? static_cast<long>(found - reached.begin()) + 1 : 0;
}

bool FormAccessibility::pressable(const PointerControl& control) const {
    const Form* form = window_->form();
    // The system disables the owner of a modal box, such as the About box.
    return form != nullptr && control.onClick && form->reachablePoint(control) &&
           IsWindowEnabled(window_->handle()) != 0;
}

void FormAccessibility::pressLater(const PointerControl& control) const {
    // By its place in the stack, which outlives any pointer to it in a queue.
    const auto& stack = window_->form()->controls();
    const auto found = std::ranges::find(stack, &control);
    PostMessageW(window_->handle(), kPressMessage, static_cast<WPARAM>(found - stack.begin()), 0);
}

void FormAccessibility::onPress(WPARAM stackIndex) const {
    Form* form = window_->form();
    if (form == nullptr || stackIndex >= form->controls().size()) {
        return;
    }
    const Control* control = form->controls()[stackIndex];
    if (control->takesPointer()) {
        const auto& pointerControl = static_cast<const PointerControl&>(*control);
        if (pressable(pointerControl)) {
            form->press(pointerControl);
        }
    }
}

void FormAccessibility::announce(const std::string& text) {
    if (pending_.empty()) {
        PostMessageW(window_->handle(), kSayMessage, 0, 0);
    } else {
        pending_ += ". ";
    }
    pending_ += text;
}

void FormAccessibility::windowActivated() {
    const Form* form = window_->form();
    const Label* statusLine = form != nullptr ? form->statusLine() : nullptr;
    if (!activated_ && statusLine != nullptr && !statusLine->Caption.get().empty()) {
        announce(statusLine->Caption);
    }
    activated_ = true;
}

// The status line's child holds the announcement as its value; screen readers
// speak a live region's change, and a name change of what they watch.
void FormAccessibility::onSay() {
    announcement_ = pending_;
    pending_.clear();
    const Form* form = window_->form();
    const Label* statusLine = form != nullptr ? form->statusLine() : nullptr;
    const long id = statusLine != nullptr ? childId(*statusLine) : 0;
    if (id != 0) {
        NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, window_->handle(), OBJID_CLIENT, id);
        NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, window_->handle(), OBJID_CLIENT, id);
    }
}

void FormAccessibility::nameMayHaveChanged(const PointerControl& control) const {
    const long id = childId(control);
    if (id != 0) {
        NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, window_->handle(), OBJID_CLIENT, id);
    }
}

}  // namespace platform::win32
