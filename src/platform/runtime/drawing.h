#pragma once

#include <string>
#include <variant>
#include <vector>

#include "platform/runtime/picture.h"
#include "platform/runtime/scale.h"
#include "platform/runtime/units.h"

namespace platform {

class Form;

// How a primitive's colour meets the pixels already drawn: it replaces
// them, or each channel becomes the bitwise AND of both.
enum class Mix { Copy, And };

struct FilledRect {
    PixelRect area;
    Color colour = 0;
    Mix mix = Mix::Copy;
};

// Lines one pixel wide on a transparent ground, in the desktop's pattern.
enum class Hatch { Horizontal, Vertical, UpwardDiagonal, DownwardDiagonal, Cross, DiagonalCross };

struct HatchedRect {
    PixelRect area;
    Hatch hatch = Hatch::Horizontal;
    Color colour = 0;
    Mix mix = Mix::Copy;
};

// A caption centred both ways in its box, wrapped at word breaks and cut at
// the box's edges. The face is the layout's; faces.h says what stands in for it.
struct TextRun {
    std::string text;
    std::string face;
    int pixelSize = 0;  // the em height
    bool bold = false;
    bool underline = false;
    Color colour = 0;
    PixelRect box;
};

// A picture stretched smoothly to fill its area exactly, drawn opaque.
struct PlacedPicture {
    Picture picture;
    PixelRect area;
};

using DrawOp = std::variant<FilledRect, HatchedRect, TextRun, PlacedPicture>;

// What a form's window shows within the screen rectangle `clip`, its pixels
// at the given scale, in paint order: the form's background, then its
// visible controls back to front. Everything is in screen pixels, so a
// window system only carries it out.
std::vector<DrawOp> drawForm(const Form& form, const Scale& scale, const PixelRect& clip);

}  // namespace platform
