#pragma once

#include <QRgb>

#include <cstdint>
#include <vector>

// Fixed palettes for the icon's 16- and 256-colour images, and nearest-colour lookup.
namespace zumbilo::assets {

class Palette {
  public:
    explicit Palette(std::vector<QRgb> colours) : colours_(std::move(colours)) {}

    const std::vector<QRgb>& colours() const { return colours_; }

    // Index of the closest colour (ties go to the lower index, so results are stable).
    std::uint32_t nearest(QRgb colour) const;

    // The sixteen standard VGA colours, in their usual order.
    static Palette vga16();

    // A 6x6x6 colour cube, a fine grey ramp and shades of the logo's red.
    static Palette logo256();

  private:
    std::vector<QRgb> colours_;
};

}  // namespace zumbilo::assets
