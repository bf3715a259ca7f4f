// Prints what a shown top-level window says, for the real-window tests under
// Wine, which cannot read a dialog's controls from the X server: the title of
// its owner and whether the owner still takes input, then the text of each
// child window, line by line, in UTF-8.
// Usage: zumbilo_window_texts TITLE   (status 1 when no such window exists)
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::wstring wide(const char* text)
{
  std::wstring result(MultiByteToWideChar(CP_UTF8, 0, text, -1, nullptr, 0), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text, -1, result.data(), static_cast<int>(result.size()));
  result.pop_back(); // the terminating NUL
  return result;
}

std::string utf8(const std::wstring& text)
{
  const int size = static_cast<int>(text.size());
  std::string result(WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), size, result.data(), static_cast<int>(result.size()),
                      nullptr, nullptr);
  return result;
}

std::string windowText(HWND window)
{
  std::wstring text(GetWindowTextLengthW(window) + 1, L'\0');
  text.resize(GetWindowTextW(window, text.data(), static_cast<int>(text.size())));
  return utf8(text);
}

BOOL CALLBACK printChildText(HWND child, LPARAM)
{
  std::printf("text %s\n", windowText(child).c_str());
  return TRUE;
}

} // namespace

int main(int argc, char** argv)
{
  if (argc != 2) {
    std::fprintf(stderr, "usage: zumbilo_window_texts TITLE\n");
    return 2;
  }
  const HWND window = FindWindowW(nullptr, wide(argv[1]).c_str());
  if (window == nullptr) {
    return 1;
  }
  const HWND owner = GetWindow(window, GW_OWNER);
  std::printf("owner %s\n", owner == nullptr ? "" : windowText(owner).c_str());
  std::printf("owner enabled %d\n", owner != nullptr && IsWindowEnabled(owner) ? 1 : 0);
  EnumChildWindows(window, printChildText, 0);
  return 0;
}
