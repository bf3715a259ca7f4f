#pragma once

#include <string>

#include "platform/runtime/picture.h"

namespace platform {

class Form;

// The desktop's About box: modal to its owner, returns when closed.
class AboutBox {
  public:
    AboutBox() = default;
    AboutBox(const AboutBox&) = delete;
    AboutBox& operator=(const AboutBox&) = delete;
    AboutBox(AboutBox&&) = delete;
    AboutBox& operator=(AboutBox&&) = delete;
    virtual ~AboutBox() = default;

    virtual void show(Form& owner, const std::string& title, const std::string& text,
                      const Picture& icon) = 0;
};

}  // namespace platform
