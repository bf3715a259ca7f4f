#pragma once

#include "platform/qt/picture_store.h"
#include "platform/runtime/window_system.h"

namespace platform {

// The forms' windows as Qt widgets, centred on the monitor under the pointer,
// captions measured as Qt draws them.
class QtWindowSystem final : public WindowSystem {
  public:
    std::unique_ptr<FormView> createView(Form& form) override;
    // The monitor under the pointer, else the primary one.
    PixelRect screenArea() const override;
    PixelSize textSize(const Font& font, const std::string& text) const override;

    const PictureStore& pictures() const { return pictures_; }

  private:
    PictureStore pictures_;
};

}  // namespace platform
