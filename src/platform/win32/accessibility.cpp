#include "platform/win32/accessibility.h"

#include "platform/runtime/form.h"
#include "platform/win32/accessibility_libraries.h"
#include "platform/win32/form_window.h"

namespace platform::win32 {

void FormAccessibility::update(const AccessibleUpdate& update) {
    tree_ = update.tree;
    HWND window = window_->handle();
    for (const int id : update.renamed) {
        NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, window, OBJID_CLIENT, childIdOf(id));
    }
    for (const int id : update.restated) {
        NotifyWinEvent(EVENT_OBJECT_STATECHANGE, window, OBJID_CLIENT, childIdOf(id));
    }
    if (update.reordered) {
        NotifyWinEvent(EVENT_OBJECT_REORDER, window, OBJID_CLIENT, CHILDID_SELF);
    }
    const AccessibleNode* status = tree_.statusLine();
    if (!update.announcement.empty() && status != nullptr) {
        NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, window, OBJID_CLIENT, childIdOf(status->id));
        NotifyWinEvent(EVENT_OBJECT_LIVEREGIONCHANGED, window, OBJID_CLIENT, childIdOf(status->id));
    }
}

void FormAccessibility::pressLater(int id) const {
    PostMessageW(window_->handle(), kPressMessage, static_cast<WPARAM>(id), 0);
}

void FormAccessibility::onPress(WPARAM id) const {
    if (Form* form = window_->form()) {
        form->pressAccessible(static_cast<int>(id));
    }
}

bool FormAccessibility::markLiveRegion() {
    const AccessibleNode* status = tree_.statusLine();
    if (!liveRegionMarked_ && status != nullptr) {
        liveRegionMarked_ = window_->accessibilityLibraries().markPoliteLiveRegion(
            window_->handle(), childIdOf(status->id));
    }
    return liveRegionMarked_;
}

}  // namespace platform::win32
