// For the tests under Wine, which cannot read a dialog's controls from the X server: prints a
// shown window's owner's title, whether the owner takes input, each child's text in UTF-8, and its
// frame as Windows has it (at 200 % larger than the window manager's); or with "close", closes it
// as its title bar's button would.
// Usage: zumbilo_window_texts TITLE [close]   (status 1 when no such window exists)
#include <windows.h>

#include "platform/win32/wide.h"

#include <cstdio>
#include <string>
#include <string_view>

namespace {

std::string windowText(HWND window) {
    std::wstring text(GetWindowTextLengthW(window) + 1, L'\0');
    text.resize(GetWindowTextW(window, text.data(), static_cast<int>(text.size())));
    return platform::win32::narrow(text);
}

BOOL CALLBACK printChildText(HWND child, LPARAM) {
    std::printf("text %s\n", windowText(child).c_str());
    return TRUE;
}

// The visible top-level window of exactly that title: FindWindow ignores case,
// and the start-up window's "Zumbilo" is not the main window's "ZUMBILO".
HWND windowTitled(const std::string& title) {
    struct Search {
        std::string title;
        HWND found = nullptr;
    } search{title};
    EnumWindows(
        [](HWND window, LPARAM searched) {
            auto& s = *reinterpret_cast<Search*>(searched);
            if (IsWindowVisible(window) != 0 && windowText(window) == s.title) {
                s.found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace

int main(int argc, char** argv) {
    const bool close = argc == 3 && std::string_view(argv[2]) == "close";
    if (argc != 2 && !close) {
        std::fprintf(stderr, "usage: zumbilo_window_texts TITLE [close]\n");
        return 2;
    }
    SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2);
    const HWND window = windowTitled(argv[1]);
    if (window == nullptr) {
        return 1;
    }
    if (close) {
        return PostMessageW(window, WM_CLOSE, 0, 0) != 0 ? 0 : 1;
    }
    const HWND owner = GetWindow(window, GW_OWNER);
    std::printf("owner %s\n", owner == nullptr ? "" : windowText(owner).c_str());
    std::printf("owner enabled %d\n", owner != nullptr && IsWindowEnabled(owner) ? 1 : 0);
    EnumChildWindows(window, printChildText, 0);
    RECT r{};
    GetWindowRect(window, &r);
    std::printf("frame %ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
    return 0;
}
