#include "platform/win32/accessibility_libraries.h"

namespace platform::win32 {

AccessibilityLibraries::~AccessibilityLibraries() {
    if (joined_) {
        leave_();
    }
}

bool AccessibilityLibraries::ready() {
    if (tried_) {
        return ready_;
    }
    tried_ = true;
    ole_ = systemLibrary(L"ole32.dll");
    oleacc_ = systemLibrary(L"oleacc.dll");
    oleaut_ = systemLibrary(L"oleaut32.dll");
    auto* const join = entryPoint<decltype(CoInitializeEx)>(ole_, "CoInitializeEx");
    leave_ = entryPoint<decltype(CoUninitialize)>(ole_, "CoUninitialize");
    lresultFromObject_ = entryPoint<decltype(LresultFromObject)>(oleacc_, "LresultFromObject");
    accessibleObjectFromWindow_ =
        entryPoint<decltype(AccessibleObjectFromWindow)>(oleacc_, "AccessibleObjectFromWindow");
    sysAllocStringLen_ = entryPoint<decltype(SysAllocStringLen)>(oleaut_, "SysAllocStringLen");
    ready_ = join != nullptr && leave_ != nullptr && lresultFromObject_ != nullptr &&
             accessibleObjectFromWindow_ != nullptr && sysAllocStringLen_ != nullptr;
    joined_ = ready_ && SUCCEEDED(join(nullptr, COINIT_APARTMENTTHREADED));
    return ready_;
}

LRESULT AccessibilityLibraries::answer(IAccessible* object, WPARAM wParam) const {
    return lresultFromObject_(__uuidof(IAccessible), wParam, object);
}

HRESULT AccessibilityLibraries::frameOf(HWND window, IDispatch** out) const {
    return accessibleObjectFromWindow_(window, static_cast<DWORD>(OBJID_WINDOW),
                                       __uuidof(IDispatch), reinterpret_cast<void**>(out));
}

BSTR AccessibilityLibraries::string(std::wstring_view text) const {
    return sysAllocStringLen_(text.data(), static_cast<UINT>(text.size()));
}

}  // namespace platform::win32
