#pragma once

#include "platform/qt/pictures.h"
#include "platform/runtime/about_box.h"

namespace platform {

// A small modal dialog owned by the form's window, standing in for the
// desktop's About box.
class DialogAboutBox final : public AboutBox {
  public:
    explicit DialogAboutBox(const Pictures& pictures) : pictures_(&pictures) {}

    void show(Form& owner, const std::string& title, const std::string& text,
              const Picture& icon) override;

  private:
    const Pictures* pictures_;
};

}  // namespace platform
