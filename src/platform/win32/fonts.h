#pragma once

#include <map>
#include <string>
#include <tuple>

#include "platform/runtime/drawing.h"
#include "platform/win32/handles.h"

namespace platform::win32 {

// The layouts' faces as GDI fonts, each made once for each size. A face that
// is not installed gives way to its stand-in, else to the desktop's own face,
// so that a caption always shows.
class FontStore {
  public:
    HFONT font(const std::string& face, int pixelSize, bool bold, bool underline) const;
    HFONT font(const TextRun& text) const {
        return font(text.face, text.pixelSize, text.bold, text.underline);
    }
    // The face drawn for a face the layouts name.
    std::wstring faceFor(const std::string& name) const;

  private:
    mutable std::map<std::tuple<std::string, int, bool, bool>, OwnedFont> fonts_;
    mutable std::map<std::string, std::wstring> faces_;
};

}  // namespace platform::win32
