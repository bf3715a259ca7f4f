#include "platform/win32/shell_about_box.h"

#include "platform/win32/form_window.h"
#include "platform/win32/wide.h"

namespace platform::win32 {

void ShellAboutBox::show(Form& owner, const std::string& title, const std::string& text,
                         const Picture& icon) {
    const FormWindow* window = windowOf(owner);
    HICON shown = icon.empty() ? nullptr : pictures_->icon(icon, GetSystemMetrics(SM_CXICON));
    // The 16-bit entry point, so that "Versión" reads right on every code page.
    ShellAboutW(window != nullptr ? window->handle() : nullptr, widen(title).c_str(),
                widen(text).c_str(), shown);
}

}  // namespace platform::win32
