#include "platform/win32/painter.h"

#include <array>
#include <string>

#include "platform/win32/dib.h"
#include "platform/win32/fonts.h"
#include "platform/win32/pictures.h"
#include "platform/win32/wide.h"

namespace platform::win32 {

namespace {

RECT toRect(const PixelRect& r) {
    return {r.x, r.y, r.x + r.width, r.y + r.height};
}

class MixMode {
  public:
    MixMode(HDC dc, Mix mix)
        : dc_(dc), previous_(SetROP2(dc, mix == Mix::And ? R2_MASKPEN : R2_COPYPEN)) {}
    MixMode(const MixMode&) = delete;
    MixMode& operator=(const MixMode&) = delete;
    MixMode(MixMode&&) = delete;
    MixMode& operator=(MixMode&&) = delete;
    ~MixMode() { SetROP2(dc_, previous_); }

  private:
    HDC dc_;
    int previous_;
};

// Fills the area under the mix, leaving the gaps of a hatched brush as they were.
void fill(HDC dc, const PixelRect& r, HBRUSH brush, Mix mix) {
    const MixMode mixing(dc, mix);
    const Selected noPen(dc, GetStockObject(NULL_PEN));
    const Selected selected(dc, brush);
    SetBkMode(dc, TRANSPARENT);
    // Without a pen, a rectangle stops a pixel short of its right and bottom
    // edges.
    Rectangle(dc, r.x, r.y, r.x + r.width + 1, r.y + r.height + 1);
}

int hatchStyleOf(Hatch hatch) {
    constexpr std::array kStyles{HS_HORIZONTAL, HS_VERTICAL, HS_BDIAGONAL,
                                 HS_FDIAGONAL,  HS_CROSS,    HS_DIAGCROSS};
    return kStyles.at(static_cast<std::size_t>(hatch));
}

class OpPainter {
  public:
    OpPainter(HDC dc, const Pictures& pictures, const FontStore& fonts)
        : dc_(dc), pictures_(pictures), fonts_(fonts) {}

    void operator()(const FilledRect& filled) const {
        fill(dc_, filled.area, solidBrush(colorRef(filled.colour)).get(), filled.mix);
    }
    void operator()(const HatchedRect& hatched) const {
        const OwnedBrush brush(
            CreateHatchBrush(hatchStyleOf(hatched.hatch), colorRef(hatched.colour)));
        fill(dc_, hatched.area, brush.get(), hatched.mix);
    }
    // Centred both ways, wrapped at word breaks, cut at the box.
    void operator()(const TextRun& text) const {
        constexpr UINT kFormat = DT_CENTER | DT_WORDBREAK | DT_NOPREFIX;
        const std::wstring wide = widen(text.text);
        const Selected font(dc_, fonts_.font(text));
        SetTextColor(dc_, colorRef(text.colour));
        SetBkMode(dc_, TRANSPARENT);
        RECT measured = toRect(text.box);
        DrawTextW(dc_, wide.c_str(), static_cast<int>(wide.size()), &measured,
                  kFormat | DT_CALCRECT);
        const int height = measured.bottom - measured.top;
        RECT placed = toRect(text.box);
        placed.top = text.box.y + (text.box.height - height) / 2;
        placed.bottom = placed.top + height;
        const int saved = SaveDC(dc_);
        IntersectClipRect(dc_, text.box.x, text.box.y, text.box.x + text.box.width,
                          text.box.y + text.box.height);
        DrawTextW(dc_, wide.c_str(), static_cast<int>(wide.size()), &placed, kFormat | DT_NOCLIP);
        RestoreDC(dc_, saved);
    }
    // At the size the runtime scaled it to: copied, not stretched.
    void operator()(const PlacedPicture& placed) const {
        const PixelRect& r = placed.area;
        const Bitmap& picture = pictures_.image(placed.picture, r.width, r.height);
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = picture.width;
        info.bmiHeader.biHeight = -picture.height;  // top-down
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        SetDIBitsToDevice(
            dc_, r.x, r.y, static_cast<DWORD>(picture.width), static_cast<DWORD>(picture.height), 0,
            0, 0, static_cast<UINT>(picture.height), picture.pixels.data(), &info, DIB_RGB_COLORS);
    }

  private:
    HDC dc_;
    const Pictures& pictures_;
    const FontStore& fonts_;
};

}  // namespace

void paint(HDC dc, const std::vector<DrawOp>& ops, const Pictures& pictures,
           const FontStore& fonts) {
    const OpPainter painter(dc, pictures, fonts);
    for (const DrawOp& op : ops) {
        std::visit(painter, op);
    }
}

}  // namespace platform::win32
