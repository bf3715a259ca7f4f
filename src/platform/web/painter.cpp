#include "platform/web/painter.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

#include "platform/runtime/faces.h"
#include "platform/web/page.h"
#include "platform/web/pictures.h"

namespace platform::web {

namespace {

// The page's lines of each hatch, in the order of Hatch.
constexpr int kHorizontal = 1;
constexpr int kVertical = 2;
constexpr int kUpward = 4;
constexpr int kDownward = 8;
constexpr std::array kHatchLines{
    kHorizontal, kVertical, kUpward, kDownward, kHorizontal | kVertical, kUpward | kDownward};

// The canvas's bytes red, green, blue, alpha of each 0xFFRRGGBB pixel: in
// WebAssembly's little-endian memory, red and blue change places.
std::vector<std::uint32_t> canvasPixels(const Bitmap& picture) {
    std::vector<std::uint32_t> pixels(picture.pixels.size());
    std::transform(
        picture.pixels.begin(), picture.pixels.end(), pixels.begin(), [](std::uint32_t pixel) {
            return (pixel & 0xFF00FF00U) | ((pixel >> 16U) & 0xFFU) | ((pixel & 0xFFU) << 16U);
        });
    return pixels;
}

class OpPainter {
  public:
    explicit OpPainter(const Pictures& pictures) : pictures_(pictures) {}

    void operator()(const FilledRect& filled) const {
        const PixelRect& r = filled.area;
        zumbilo_fill(r.x, r.y, r.width, r.height, redOf(filled.colour), greenOf(filled.colour),
                     blueOf(filled.colour), filled.mix == Mix::And);
    }
    void operator()(const HatchedRect& hatched) const {
        const PixelRect& r = hatched.area;
        zumbilo_hatch(r.x, r.y, r.width, r.height,
                      kHatchLines.at(static_cast<std::size_t>(hatched.hatch)),
                      redOf(hatched.colour), greenOf(hatched.colour), blueOf(hatched.colour),
                      hatched.mix == Mix::And);
    }
    void operator()(const TextRun& text) const {
        const PixelRect& r = text.box;
        const std::string family(standInFor(text.face));
        zumbilo_text(text.text.c_str(), family.c_str(), text.pixelSize, text.bold, text.underline,
                     redOf(text.colour), greenOf(text.colour), blueOf(text.colour), r.x, r.y,
                     r.width, r.height);
    }
    // At the size the runtime scaled it to: copied, not stretched.
    void operator()(const PlacedPicture& placed) const {
        const Bitmap& picture =
            pictures_.image(placed.picture, placed.area.width, placed.area.height);
        if (!picture.empty()) {
            zumbilo_picture(canvasPixels(picture).data(), picture.width, picture.height,
                            placed.area.x, placed.area.y);
        }
    }

  private:
    const Pictures& pictures_;
};

}  // namespace

void paint(const std::vector<DrawOp>& ops, const Pictures& pictures) {
    const OpPainter painter(pictures);
    for (const DrawOp& op : ops) {
        std::visit(painter, op);
    }
}

}  // namespace platform::web
