#include "platform/web/window_system.h"

#include <emscripten/emscripten.h>

#include <array>

#include "platform/runtime/faces.h"
#include "platform/web/form_window.h"
#include "platform/web/page.h"

namespace platform::web {

namespace {

// The one window system the page's ratio changes reach.
WebWindowSystem* theSystem = nullptr;

}  // namespace

WebWindowSystem::WebWindowSystem() : scale_(Scale::fromFactor(zumbilo_watch_pixel_ratio())) {
    theSystem = this;
}

WebWindowSystem::~WebWindowSystem() {
    theSystem = nullptr;
}

std::unique_ptr<FormView> WebWindowSystem::createView(Form& form) {
    return std::make_unique<FormWindowView>(form, *this);
}

PixelRect WebWindowSystem::screenArea() const {
    std::array<int, 2> size{};
    zumbilo_desktop_size(size.data());
    return {0, 0, size[0], size[1]};
}

FrameMargins WebWindowSystem::frameOf(int borderStyle) const {
    std::array<int, 4> margins{};
    zumbilo_frame_of(borderStyle, margins.data());
    return {margins[0], margins[1], margins[2], margins[3]};
}

PixelSize WebWindowSystem::textSize(const Font& font, const std::string& text) const {
    const std::string family(standInFor(font.Name));
    std::array<int, 2> size{};
    zumbilo_measure_text(text.c_str(), family.c_str(), pixelSizeOf(font.Size), font.Bold,
                         size.data());
    return {size[0], size[1]};
}

void WebWindowSystem::rescale(double ratio) {
    scale_ = Scale::fromFactor(ratio);
    FormWindow::rescaleAll();
}

}  // namespace platform::web

extern "C" EMSCRIPTEN_KEEPALIVE void zumbilo_rescale(double ratio) {
    if (platform::web::theSystem != nullptr) {
        platform::web::theSystem->rescale(ratio);
    }
}
