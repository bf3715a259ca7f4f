#include "platform/web/form_window.h"

#include <emscripten/emscripten.h>

#include <algorithm>
#include <array>
#include <map>
#include <utility>

#include "platform/runtime/drawing.h"
#include "platform/web/accessibility.h"
#include "platform/web/input.h"
#include "platform/web/page.h"
#include "platform/web/painter.h"
#include "platform/web/window_system.h"

namespace platform::web {

namespace {

std::map<int, std::shared_ptr<FormWindow>>& windowsOnPage() {
    static std::map<int, std::shared_ptr<FormWindow>> windows;
    return windows;
}

int nextWindowId = 1;

PixelRect united(const PixelRect& a, const PixelRect& b) {
    const int left = std::min(a.x, b.x);
    const int top = std::min(a.y, b.y);
    return {left, top, std::max(a.x + a.width, b.x + b.width) - left,
            std::max(a.y + a.height, b.y + b.height) - top};
}

constexpr std::array kButtons{kLeftButton, kRightButton, kMiddleButton};

}  // namespace

FormWindow::FormWindow(Form& form, const WebWindowSystem& system)
    : form_(&form),
      system_(&system),
      id_(nextWindowId++),
      title_(form.windowTitle()),
      backColour_(form.BackColor) {
    const PixelRect client = clientArea();
    zumbilo_window_open(id_, form.design().BorderStyle, client.width, client.height);
    zumbilo_window_title(id_, title_.c_str());
    fitCanvas();
}

std::shared_ptr<FormWindow> FormWindow::withId(int id) {
    const auto found = windowsOnPage().find(id);
    return found != windowsOnPage().end() ? found->second : nullptr;
}

void FormWindow::rescaleAll() {
    for (const auto& [id, window] : windowsOnPage()) {
        window->fitCanvas();
    }
}

PixelRect FormWindow::clientArea() const {
    return {0, 0, toPixels(form_->design().ClientWidth), toPixels(form_->design().ClientHeight)};
}

void FormWindow::fitCanvas() {
    const PixelRect screen = system_->scale().toScreen(clientArea());
    zumbilo_window_canvas(id_, screen.width, screen.height);
    repaint(clientArea());
}

void FormWindow::sync() {
    if (form_ == nullptr) {
        return;
    }
    if (form_->windowTitle() != title_) {
        title_ = form_->windowTitle();
        zumbilo_window_title(id_, title_.c_str());
    }
    zumbilo_window_place(id_, toPixels(form_->Left), toPixels(form_->Top));
    if (form_->BackColor.get() != backColour_) {
        backColour_ = form_->BackColor;
        repaint(clientArea());
    }
}

void FormWindow::show() {
    zumbilo_window_show(id_);
    // The first frame as the window shows, not a frame later.
    paint();
}

void FormWindow::repaint(const PixelRect& rect) {
    if (!dirty_) {
        zumbilo_window_paint_later(id_);
    }
    dirty_ = dirty_ ? united(*dirty_, rect) : rect;
}

void FormWindow::detach() {
    form_ = nullptr;
    zumbilo_window_close(id_);
    windowsOnPage().erase(id_);
}

void FormWindow::paint() {
    if (form_ == nullptr || !dirty_) {
        return;
    }
    const Scale& scale = system_->scale();
    const PixelRect clip = scale.covering(*std::exchange(dirty_, std::nullopt));
    zumbilo_paint_begin(id_, clip.x, clip.y, clip.width, clip.height);
    web::paint(drawForm(*form_, scale, clip), system_->pictures());
    zumbilo_paint_end();
}

void FormWindow::pointer(int x, int y, int domButtons, int shift) {
    const Scale& scale = system_->scale();
    const int formX = scale.toForm(x);
    const int formY = scale.toForm(y);
    const int buttons = buttonsCode(domButtons);
    if (form_ != nullptr && buttons == 0) {
        std::optional<std::string> tip = form_->toolTipAt(formX, formY);
        if (tip != toolTip_) {
            toolTip_ = std::move(tip);
            zumbilo_window_tool_tip(id_, toolTip_ ? toolTip_->c_str() : "");
        }
    }
    // Each button pressed or let go since the last event is a press or a
    // release of its own; anything else is a move.
    bool changed = false;
    for (const int button : kButtons) {
        const bool down = (buttons & button) != 0;
        if (form_ == nullptr || down == ((buttonsHeld_ & button) != 0)) {
            continue;
        }
        changed = true;
        buttonsHeld_ ^= button;
        if (down) {
            form_->mouseDown(formX, formY, button, shift);
        } else {
            form_->mouseUp(formX, formY, button, shift);
        }
    }
    if (!changed && form_ != nullptr) {
        form_->mouseMove(formX, formY, buttons, shift);
    }
}

void FormWindow::pointerLost() {
    if (form_ != nullptr && std::exchange(buttonsHeld_, 0) != 0) {
        form_->captureLost();
    }
}

FormWindowView::FormWindowView(Form& form, const WebWindowSystem& system)
    : window_(std::make_shared<FormWindow>(form, system)) {
    windowsOnPage().emplace(window_->id(), window_);
}

void FormWindowView::accessibilityChanged(const AccessibleUpdate& update) {
    showAccessibleTree(window_->id(), update);
}

}  // namespace platform::web

// The page's events, each for the window of its id while that is on the page.
namespace {

template <class Handle>
void onWindow(int id, Handle handle) {
    if (const auto window = platform::web::FormWindow::withId(id)) {
        handle(*window);
    }
}

template <class Handle>
void onForm(int id, Handle handle) {
    onWindow(id, [&handle](platform::web::FormWindow& window) {
        if (window.form() != nullptr) {
            handle(*window.form());
        }
    });
}

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void zumbilo_paint(int window) {
    onWindow(window, [](platform::web::FormWindow& shown) { shown.paint(); });
}

EMSCRIPTEN_KEEPALIVE void zumbilo_pointer(int window, int x, int y, int buttons, bool shift,
                                          bool ctrl, bool alt) {
    onWindow(window, [&](platform::web::FormWindow& shown) {
        shown.pointer(x, y, buttons, platform::web::shiftCode(shift, ctrl, alt));
    });
}

EMSCRIPTEN_KEEPALIVE void zumbilo_pointer_lost(int window) {
    onWindow(window, [](platform::web::FormWindow& shown) { shown.pointerLost(); });
}

EMSCRIPTEN_KEEPALIVE bool zumbilo_key(int window, int character, bool ctrl, bool alt, bool meta,
                                      bool altGraph) {
    bool taken = false;
    onForm(window, [&](platform::Form& form) {
        // KeyboardEvent.key's one character, none for a key that names no character.
        taken = form.keyTyped({.character = static_cast<char32_t>(character),
                               .ctrl = ctrl,
                               .alt = alt,
                               .meta = meta,
                               .altGraph = altGraph});
    });
    return taken;
}

EMSCRIPTEN_KEEPALIVE void zumbilo_close(int window) {
    onForm(window, [](platform::Form& form) { form.closeRequested(); });
}

EMSCRIPTEN_KEEPALIVE void zumbilo_moved(int window, int left, int top) {
    onForm(window, [&](platform::Form& form) { form.windowMoved(left, top); });
}

EMSCRIPTEN_KEEPALIVE void zumbilo_activated(int window) {
    onForm(window, [](platform::Form& form) { form.activated(); });
}

EMSCRIPTEN_KEEPALIVE void zumbilo_press(int window, int child) {
    onForm(window, [child](platform::Form& form) { form.pressAccessible(child); });
}
}
