#pragma once

namespace platform {

// Property codes, as the handlers write them.

// BackStyle of labels and shapes.
inline constexpr int kTransparent = 0;
inline constexpr int kOpaque = 1;

// BorderStyle of labels and images.
inline constexpr int kNoBorder = 0;
inline constexpr int kFixedSingle = 1;

// BorderStyle (the outline) of shapes.
inline constexpr int kOutlineNone = 0;
inline constexpr int kOutlineSolid = 1;
inline constexpr int kOutlineInsideSolid = 6;

// FillStyle of shapes.
inline constexpr int kFillSolid = 0;
inline constexpr int kFillTransparent = 1;

// DrawMode of shapes: the pen's colour ANDed with what lies behind, or copied.
inline constexpr int kDrawMaskPen = 9;
inline constexpr int kDrawCopyPen = 13;

}  // namespace platform
