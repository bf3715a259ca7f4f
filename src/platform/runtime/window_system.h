#pragma once

#include <memory>
#include <string>

#include "platform/runtime/font.h"
#include "platform/runtime/frame_margins.h"
#include "platform/runtime/units.h"

namespace platform {

class Form;
struct AccessibleUpdate;

// A loaded form's window on the desktop. Destroying it takes the window off
// the desktop, also from inside a handler of one of the window's own events.
// It asks the form what to draw (drawing.h) and what assistive technology
// meets (accessible_tree.h), and hands it the desktop's input.
class FormView {
  public:
    FormView() = default;
    FormView(const FormView&) = delete;
    FormView& operator=(const FormView&) = delete;
    FormView(FormView&&) = delete;
    FormView& operator=(FormView&&) = delete;
    virtual ~FormView() = default;

    // Title, place and colour as the form now has them.
    virtual void sync() = 0;
    virtual void show() = 0;
    // The form's pixels to draw again.
    virtual void repaint(const PixelRect& rect) = 0;
    // What assistive technology should hear of, once the handlers are done.
    virtual void accessibilityChanged(const AccessibleUpdate& update) = 0;
};

struct PixelSize {
    int width = 0;
    int height = 0;
};

// What the runtime needs of the desktop: windows for its forms, the place to
// centre them in, the frame it puts around them, and the size of a caption.
class WindowSystem {
  public:
    WindowSystem() = default;
    WindowSystem(const WindowSystem&) = delete;
    WindowSystem& operator=(const WindowSystem&) = delete;
    WindowSystem(WindowSystem&&) = delete;
    WindowSystem& operator=(WindowSystem&&) = delete;
    virtual ~WindowSystem() = default;

    virtual std::unique_ptr<FormView> createView(Form& form) = 0;
    // The monitor the player is looking at: its area that panels leave free,
    // in the forms' pixels.
    virtual PixelRect screenArea() const = 0;
    // The frame the desktop puts around a new window of the border style, in
    // the forms' pixels, as far as it is known before the window shows.
    virtual FrameMargins frameOf(int borderStyle) const = 0;
    // A caption's size in the face that draws it, in the forms' pixels.
    virtual PixelSize textSize(const Font& font, const std::string& text) const = 0;
};

}  // namespace platform
