#pragma once

#include <string>
#include <string_view>

namespace platform {

// A picture held by an image or a form: one of the pictures embedded in the
// program, by file name. Copies are the same picture, as when one image takes
// another's picture; an empty picture shows nothing. The window system
// decodes each picture once, when it first draws it.
class Picture {
  public:
    Picture() = default;

    static Picture fromResource(std::string_view name) { return Picture(std::string(name)); }

    bool empty() const { return resource_.empty(); }
    const std::string& resource() const { return resource_; }

    friend bool operator==(const Picture&, const Picture&) = default;

  private:
    explicit Picture(std::string resource) : resource_(std::move(resource)) {}

    std::string resource_;
};

}  // namespace platform
