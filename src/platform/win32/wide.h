#pragma once

#include <string>
#include <string_view>

namespace platform::win32 {

// UTF-8 inside the program, UTF-16 at the API's edge.
std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view utf16);

// The system's words for the calling thread's last error.
std::string lastErrorText();

}  // namespace platform::win32
