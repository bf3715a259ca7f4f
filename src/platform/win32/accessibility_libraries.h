#pragma once

#include <memory>
#include <string_view>

#include "platform/win32/handles.h"
// Comes after windows.h, which it needs.
#include <oleacc.h>

namespace platform::win32 {

// Lets go of a COM object's reference.
struct ComReleaser {
    void operator()(IUnknown* object) const { object->Release(); }
};
template <class Interface>
using ComReference = std::unique_ptr<Interface, ComReleaser>;

// What answering a screen reader takes of the system: oleacc, OLE's strings
// and the thread's COM apartment, through which LresultFromObject hands a
// screen reader its reference. Loaded and joined at the first question rather
// than with the program, so that the first frame waits for none of it; the
// apartment is left before the libraries go.
class AccessibilityLibraries {
  public:
    AccessibilityLibraries() = default;
    AccessibilityLibraries(const AccessibilityLibraries&) = delete;
    AccessibilityLibraries& operator=(const AccessibilityLibraries&) = delete;
    AccessibilityLibraries(AccessibilityLibraries&&) = delete;
    AccessibilityLibraries& operator=(AccessibilityLibraries&&) = delete;
    ~AccessibilityLibraries();

    // Whether screen readers can be answered; loads the libraries the first time.
    bool ready();

    // Only once ready: LresultFromObject's answer to WM_GETOBJECT, the
    // system's object for the window's frame, and a string for the caller to free.
    LRESULT answer(IAccessible* object, WPARAM wParam) const;
    HRESULT frameOf(HWND window, IDispatch** out) const;
    BSTR string(std::wstring_view text) const;
    // Only once ready: makes a child of the window's client area a polite
    // live region, until the window goes (forget). Whether the system took it.
    bool markPoliteLiveRegion(HWND window, long childId);
    void forget(HWND window, long childId) const;

  private:
    OwnedLibrary ole_;
    OwnedLibrary oleacc_;
    OwnedLibrary oleaut_;
    decltype(CoUninitialize)* leave_ = nullptr;
    decltype(LresultFromObject)* lresultFromObject_ = nullptr;
    decltype(AccessibleObjectFromWindow)* accessibleObjectFromWindow_ = nullptr;
    decltype(SysAllocStringLen)* sysAllocStringLen_ = nullptr;
    decltype(CoCreateInstance)* coCreateInstance_ = nullptr;
    ComReference<IAccPropServices> properties_;
    bool tried_ = false;
    bool ready_ = false;
    bool joined_ = false;
};

}  // namespace platform::win32
