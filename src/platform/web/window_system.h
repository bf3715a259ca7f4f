#pragma once

#include "platform/runtime/scale.h"
#include "platform/runtime/window_system.h"
#include "platform/web/pictures.h"

namespace platform::web {

// The forms' windows on the page, which is the desktop: centred in it, framed
// by the page's own title bar, drawn at its device pixel ratio, captions
// measured in the web fonts that draw them.
class WebWindowSystem final : public WindowSystem {
  public:
    WebWindowSystem();
    WebWindowSystem(const WebWindowSystem&) = delete;
    WebWindowSystem& operator=(const WebWindowSystem&) = delete;
    WebWindowSystem(WebWindowSystem&&) = delete;
    WebWindowSystem& operator=(WebWindowSystem&&) = delete;
    ~WebWindowSystem() override;

    std::unique_ptr<FormView> createView(Form& form) override;
    // The whole page.
    PixelRect screenArea() const override;
    FrameMargins frameOf(int borderStyle) const override;
    PixelSize textSize(const Font& font, const std::string& text) const override;

    const Pictures& pictures() const { return pictures_; }
    const Scale& scale() const { return scale_; }
    // The page's device pixel ratio changed (a zoom, another screen).
    void rescale(double ratio);

  private:
    Pictures pictures_;
    Scale scale_;
};

}  // namespace platform::web
