#include "platform/win32/accessibility_libraries.h"

namespace platform::win32 {

namespace {

// IAccPropServices and its class (by value: oleacc's static library carries
// its ids as imports, and the headers give the interface no __uuidof), UI
// Automation's LiveSetting property and its polite value.
constexpr IID kIAccPropServices{
    0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};
constexpr CLSID kAccPropServices{
    0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
constexpr GUID kLiveSetting{
    0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
constexpr long kPolite = 1;

}  // namespace

AccessibilityLibraries::~AccessibilityLibraries() {
    properties_.reset();
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
    coCreateInstance_ = entryPoint<decltype(CoCreateInstance)>(ole_, "CoCreateInstance");
    ready_ = join != nullptr && leave_ != nullptr && lresultFromObject_ != nullptr &&
             accessibleObjectFromWindow_ != nullptr && sysAllocStringLen_ != nullptr &&
             coCreateInstance_ != nullptr;
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

namespace platform::win32 {

bool AccessibilityLibraries::markPoliteLiveRegion(HWND window, long childId) {
    if (!properties_) {
        void* made = nullptr;
        if (FAILED(coCreateInstance_(kAccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                     kIAccPropServices, &made))) {
            return false;
        }
        properties_.reset(static_cast<IAccPropServices*>(made));
    }
    VARIANT polite{};
    polite.vt = VT_I4;
    polite.lVal = kPolite;
    return SUCCEEDED(properties_->SetHwndProp(window, static_cast<DWORD>(OBJID_CLIENT),
                                              static_cast<DWORD>(childId), kLiveSetting, polite));
}

void AccessibilityLibraries::forget(HWND window, long childId) const {
    if (properties_) {
        MSAAPROPID property = kLiveSetting;
        properties_->ClearHwndProps(window, static_cast<DWORD>(OBJID_CLIENT),
                                    static_cast<DWORD>(childId), &property, 1);
    }
}

}  // namespace platform::win32
