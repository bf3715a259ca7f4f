#pragma once

#include "platform/runtime/about_box.h"
#include "platform/web/page.h"

namespace platform::web {

// The page's About box, a modal dialog. The page cannot wait for it inside a
// call, so the call returns at once and the page holds the game still until
// the box closes: the windows behind it take no input, and the ticks that
// fall due meanwhile come once it has closed (window_library.js).
class DialogAboutBox final : public AboutBox {
  public:
    void show(Form& /*owner*/, const std::string& title, const std::string& text,
              const Picture& icon) override {
        zumbilo_about_box(title.c_str(), text.c_str(), !icon.empty());
    }
};

}  // namespace platform::web
