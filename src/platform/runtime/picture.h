#pragma once

#include <string>
#include <string_view>
#include <tuple>

namespace platform {

// A picture held by an image or a form: one of the pictures embedded in the
// program, by file name, shown as stored or flipped left to right. Copies are
// the same picture, as when one image takes another's picture; an empty
// picture shows nothing. The window system decodes each picture once, when it
// first draws it.
class Picture {
  public:
    Picture() = default;

    static Picture fromResource(std::string_view name) { return {std::string(name), false}; }
    // The same picture flipped left to right, made when first drawn rather
    // than stored twice.
    Picture mirrored() const { return {resource_, !mirrored_}; }

    bool empty() const { return resource_.empty(); }
    const std::string& resource() const { return resource_; }
    bool isMirrored() const { return mirrored_; }

    friend bool operator==(const Picture&, const Picture&) = default;
    // For keeping what each picture decodes to.
    friend bool operator<(const Picture& a, const Picture& b) {
        return std::tie(a.resource_, a.mirrored_) < std::tie(b.resource_, b.mirrored_);
    }

  private:
    Picture(std::string resource, bool mirrored)
        : resource_(std::move(resource)), mirrored_(mirrored) {}

    std::string resource_;
    bool mirrored_ = false;
};

}  // namespace platform
