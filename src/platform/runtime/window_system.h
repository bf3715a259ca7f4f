#pragma once

#include <memory>
#include <string>

#include "platform/runtime/font.h"
#include "platform/runtime/units.h"

namespace platform {

class Form;
class PointerControl;

// A loaded form's window on the desktop. Destroying it takes the window off
// the desktop, also from inside a handler of one of the window's own events.
class FormView {
  public:
    FormView() = default;
    FormView(const FormView&) = delete;
    FormView& operator=(const FormView&) = delete;
    FormView(FormView&&) = delete;
    FormView& operator=(FormView&&) = delete;
    virtual ~FormView() = default;

    // Caption, place and colour as the form's properties now say.
    virtual void sync() = 0;
    virtual void show() = 0;
    // Client pixels to draw again.
    virtual void repaint(const PixelRect& rect) = 0;
    // Assistive technology: a control may go by a new name; a text to be heard
    // once the running handler is done.
    virtual void nameMayHaveChanged(const PointerControl& control) = 0;
    virtual void announce(const std::string& text) = 0;
};

struct PixelSize {
    int width = 0;
    int height = 0;
};

// What the runtime needs of the desktop: windows for its forms, the place to
// centre them in, and the size of a caption in its font.
class WindowSystem {
  public:
    WindowSystem() = default;
    WindowSystem(const WindowSystem&) = delete;
    WindowSystem& operator=(const WindowSystem&) = delete;
    WindowSystem(WindowSystem&&) = delete;
    WindowSystem& operator=(WindowSystem&&) = delete;
    virtual ~WindowSystem() = default;

    virtual std::unique_ptr<FormView> createView(Form& form) = 0;
    // The monitor the player is looking at: its area that panels leave free.
    virtual PixelRect screenArea() const = 0;
    virtual PixelSize textSize(const Font& font, const std::string& text) const = 0;
};

}  // namespace platform
