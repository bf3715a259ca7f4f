#include "platform/win32/about_box.h"

#include "platform/win32/form_window.h"
#include "platform/win32/wide.h"

namespace platform::win32 {

void ShellAboutBox::show(Form& owner, const std::string& title, const std::string& text,
                         const Picture& icon) {
    const FormWindow* window = windowOf(owner);
    // Sized for the owner's monitor, where the box opens.
    const UINT dpi =
        window != nullptr ? static_cast<UINT>(window->scale().dpi()) : GetDpiForSystem();
    HICON shown =
        icon.empty() ? nullptr : pictures_->icon(icon, GetSystemMetricsForDpi(SM_CXICON, dpi));
    if (!shell_) {
        shell_ = systemLibrary(L"shell32.dll");
    }
    // The 16-bit entry point, so that "Versión" reads right on every code page.
    // Without it no box shows, and nothing says so, as with a box the shell
    // could not show.
    using ShellAbout = INT WINAPI(HWND, LPCWSTR, LPCWSTR, HICON);
    if (auto* const shellAbout = entryPoint<ShellAbout>(shell_, "ShellAboutW")) {
        shellAbout(window != nullptr ? window->handle() : nullptr, widen(title).c_str(),
                   widen(text).c_str(), shown);
    }
}

}  // namespace platform::win32
