#pragma once

#include "platform/win32/handles.h"

namespace platform::win32 {

// The common controls' tool tip window class. Its library is loaded at the
// first tool tip rather than before the first frame, and stays loaded as long
// as the windows that may show tips: the class it registers points into it.
class ToolTipClass {
  public:
    // Whether tool tips can be made; loads the library the first time.
    bool ready() {
        if (!tried_) {
            tried_ = true;
            library_ = systemLibrary(L"comctl32.dll");
            using InitCommonControls = BOOL WINAPI(const INITCOMMONCONTROLSEX*);
            auto* const init = entryPoint<InitCommonControls>(library_, "InitCommonControlsEx");
            const INITCOMMONCONTROLSEX classes{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
            ready_ = init != nullptr && init(&classes) != FALSE;
        }
        return ready_;
    }

  private:
    OwnedLibrary library_;
    bool tried_ = false;
    bool ready_ = false;
};

}  // namespace platform::win32
