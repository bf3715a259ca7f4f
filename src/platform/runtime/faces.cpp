#include "platform/runtime/faces.h"

#include <algorithm>
#include <cmath>

namespace platform {

std::string_view standInFor(std::string_view face) {
    const auto* found = std::find_if(kStandIns.begin(), kStandIns.end(),
                                     [face](const StandIn& s) { return s.face == face; });
    return found != kStandIns.end() ? found->family : face;
}

int pixelSizeOf(float points) {
    constexpr double kPixelsPerPoint = 96.0 / 72.0;
    return static_cast<int>(std::lround(points * kPixelsPerPoint));
}

}  // namespace platform
