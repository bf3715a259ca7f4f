#pragma once

#include <string>

namespace platform {

struct Font {
    std::string Name{};
    float Size = 8.25F;  // points
    bool Bold = false;
    bool Underline = false;

    friend bool operator==(const Font&, const Font&) = default;
};

}  // namespace platform
