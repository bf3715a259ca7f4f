#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <vector>

#include "pixel_tables.h"
#include "platform/runtime/control.h"
#include "platform/runtime/units.h"

namespace testing_support {

// A window as a window system drew it, in the runtime's colours: one check
// reads what either system drew.
class Drawing {
  public:
    template <class ColourAt>
    Drawing(int width, int height, const ColourAt& colourAt) : width_(width), height_(height) {
        colours_.reserve(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                colours_.push_back(colourAt(x, y));
            }
        }
    }

    int width() const { return width_; }
    int height() const { return height_; }
    platform::Color at(int x, int y) const {
        return colours_.at(static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) +
                           static_cast<std::size_t>(x));
    }
    std::vector<platform::Color> within(const platform::Control& control) const {
        const platform::PixelRect r = control.pixelRect();
        std::vector<platform::Color> colours;
        for (int y = r.y; y < r.y + r.height; ++y) {
            for (int x = r.x; x < r.x + r.width; ++x) {
                colours.push_back(at(x, y));
            }
        }
        return colours;
    }
    auto count(const platform::Control& control, platform::Color colour) const {
        return std::ranges::count(within(control), colour);
    }

  private:
    int width_;
    int height_;
    std::vector<platform::Color> colours_;
};

inline int greyOf(platform::Color c) {
    return (platform::redOf(c) + platform::greenOf(c) + platform::blueOf(c)) / 3;
}

inline int darkestIn(const Drawing& drawing, const platform::Control& control) {
    const std::vector<platform::Color> colours = drawing.within(control);
    return greyOf(*std::ranges::min_element(colours, {}, greyOf));
}

inline void expectPixels(const Drawing& drawing, const std::vector<pixel_tables::Pixel>& pixels) {
    for (const pixel_tables::Pixel& p : pixels) {
        EXPECT_EQ(drawing.at(p.x, p.y), p.colour) << p.x << "," << p.y;
    }
}

}  // namespace testing_support
