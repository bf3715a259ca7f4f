#pragma once

#include <memory>
#include <string_view>

namespace platform {

struct PictureData;

// A picture held by an image or a form. Copies share the same picture, as
// when one image takes another's picture; an empty picture shows nothing.
class Picture {
  public:
    Picture() = default;

    // One of the pictures embedded in the program, by file name.
    static Picture fromResource(std::string_view name);

    bool empty() const { return data_ == nullptr; }
    const PictureData* data() const { return data_.get(); }

    friend bool operator==(const Picture&, const Picture&) = default;

  private:
    explicit Picture(std::shared_ptr<const PictureData> data) : data_(std::move(data)) {}

    std::shared_ptr<const PictureData> data_;
};

}  // namespace platform
