#pragma once

#include <array>
#include <string_view>

namespace platform {

// The faces the layouts name are those of another desktop. Where one is not
// installed, a face of the same metrics and spirit that Debian packages
// stands in for it.
struct StandIn {
    std::string_view face;     // as the layouts name it
    std::string_view family;   // drawn instead
    std::string_view package;  // the Debian package that brings the family
};

inline constexpr std::array kStandIns{
    StandIn{"Segoe Print", "Comic Neue", "fonts-comic-neue"},
    StandIn{"Calibri", "Carlito", "fonts-crosextra-carlito"},
    StandIn{"Arial", "Liberation Sans", "fonts-liberation2"},
};

// The family that stands in for a face; the face itself when none does.
std::string_view standInFor(std::string_view face);

// A font's em height in form pixels: points are taken at 96 dpi, as the
// layouts were designed.
int pixelSizeOf(float points);

}  // namespace platform
