#pragma once

#include <map>
#include <string>
#include <tuple>

#include "platform/runtime/font.h"
#include "platform/win32/handles.h"

namespace platform::win32 {

// The layouts' fonts as GDI fonts, each made once. A face that is not
// installed gives way to the stand-in the Linux build draws with, else to
// the desktop's own face, so that a caption always shows.
class FontStore {
  public:
    HFONT font(const Font& font) const;
    // The face drawn for a face the layouts name.
    std::wstring faceFor(const std::string& name) const;

  private:
    mutable std::map<std::tuple<std::string, float, bool, bool>, OwnedFont> fonts_;
    mutable std::map<std::string, std::wstring> faces_;
};

// Point sizes are taken at 96 dpi, as the layouts were designed.
int pixelSizeOf(float points);

}  // namespace platform::win32
