// Prints the start-up or the main window's pixel tables for the tests that check them on a real
// screen or canvas (under Wine, in the browser): each point at SCALE times its place, its colour
// as RRGGBB.
// Usage: zumbilo_pixel_points startup|main SCALE
#include <cstdio>
#include <string_view>
#include <vector>

#include "pixel_tables.h"

namespace {

void print(const std::vector<pixel_tables::Pixel>& table, int scale) {
    for (const pixel_tables::Pixel& p : table) {
        std::printf("%d %d %02X%02X%02X\n", p.x * scale, p.y * scale, platform::redOf(p.colour),
                    platform::greenOf(p.colour), platform::blueOf(p.colour));
    }
}

}  // namespace

int main(int argc, char** argv) {
    const int scale = argc == 3 && std::string_view(argv[2]) == "2" ? 2 : 1;
    if (argc == 3 && std::string_view(argv[1]) == "startup") {
        // Those that hold all through its title sequence.
        print(pixel_tables::kStartupFrameWhereTheBandsEnd, scale);
        print(pixel_tables::kStartupAroundTheLogo, scale);
    } else {
        print(pixel_tables::kWelcome, scale);
        if (scale == 2) {
            print(pixel_tables::kWelcomeAtScaleTwo, 1);  // already in its pixels
        }
    }
    return 0;
}
