#pragma once

#include <string>

namespace platform {

// The program's version record, as the handlers read it.
struct AppRecord {
    std::string Title;
    int Major = 0;
    int Minor = 0;
    int Revision = 0;
};

}  // namespace platform
