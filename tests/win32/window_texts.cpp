// Prints what a shown top-level window says, for the real-window tests under
// Wine, which cannot read a dialog's controls from the X server: the title of
// its owner and whether the owner still takes input, then the text of each
// child window, line by line, in UTF-8.
// Usage: zumbilo_window_texts TITLE   (status 1 when no such window exists)
#include <windows.h>

#include "platform/win32/wide.h"

#include <cstdio>
#include <string>

namespace {

using platform::win32::narrow;
using platform::win32::widen;

std::string windowText(HWND window) {
    std::wstring text(GetWindowTextLengthW(window) + 1, L'\0');
    text.resize(GetWindowTextW(window, text.data(), static_cast<int>(text.size())));
    return narrow(text);
}

BOOL CALLBACK printChildText(HWND child, LPARAM) {
    std::printf("text %s\n", windowText(child).c_str());
    return TRUE;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: zumbilo_window_texts TITLE\n");
        return 2;
    }
    const HWND window = FindWindowW(nullptr, widen(argv[1]).c_str());
    if (window == nullptr) {
        return 1;
    }
    const HWND owner = GetWindow(window, GW_OWNER);
    std::printf("owner %s\n", owner == nullptr ? "" : windowText(owner).c_str());
    std::printf("owner enabled %d\n", owner != nullptr && IsWindowEnabled(owner) ? 1 : 0);
    EnumChildWindows(window, printChildText, 0);
    return 0;
}
