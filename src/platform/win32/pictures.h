#pragma once

#include <map>
#include <string>
#include <tuple>
#include <utility>

#include "platform/runtime/picture.h"
#include "platform/win32/dib.h"
#include "platform/win32/handles.h"

namespace platform::win32 {

// The pictures embedded in the program as resources, named by their file
// names upper-cased. Each is decoded once, flipped where it is mirrored, and
// scaled once for each size it is drawn at.
class PictureStore {
  public:
    // Empty when the program holds no such picture.
    const Dib& image(const Picture& picture, int width, int height) const;
    // The icon group's image nearest the size; none when there is no such icon.
    HICON icon(const Picture& picture, int size) const;

  private:
    const Dib& decoded(const Picture& picture) const;

    mutable std::map<Picture, Dib> decoded_;
    mutable std::map<std::tuple<Picture, int, int>, Dib> scaled_;
    mutable std::map<std::pair<std::string, int>, OwnedIcon> icons_;
};

// A resource's name as the program's resource script gives it.
std::wstring resourceName(const Picture& picture);

}  // namespace platform::win32
