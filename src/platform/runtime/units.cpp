#include "platform/runtime/units.h"

#include <cmath>

namespace platform {

int toPixels(Twips t) {
    return static_cast<int>(std::floor(t / static_cast<Twips>(kTwipsPerPixel) + 0.5F));
}

Twips toTwips(int pixels) {
    return static_cast<Twips>(pixels * kTwipsPerPixel);
}

PixelRect toPixels(const TwipsRect& r) {
    const int left = toPixels(r.Left);
    const int top = toPixels(r.Top);
    return {left, top, toPixels(r.Left + r.Width) - left, toPixels(r.Top + r.Height) - top};
}

}  // namespace platform
