#pragma once

#include <map>
#include <string>
#include <utility>

#include "platform/runtime/picture_store.h"
#include "platform/win32/handles.h"

namespace platform::win32 {

// The pictures embedded in the program as resources, named by their file
// names upper-cased: what the forms draw, as the runtime makes it from the
// stored files, and the icon group at any size.
class Pictures {
  public:
    Pictures();

    // Empty when the program holds no such picture.
    const Bitmap& image(const Picture& picture, int width, int height) const {
        return images_.at(picture, width, height);
    }
    // The icon group's image nearest the size; none when there is no such icon.
    HICON icon(const Picture& picture, int size) const;

  private:
    PictureStore images_;
    mutable std::map<std::pair<std::string, int>, OwnedIcon> icons_;
};

}  // namespace platform::win32
