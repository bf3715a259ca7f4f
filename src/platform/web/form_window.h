#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/runtime/form.h"
#include "platform/runtime/window_system.h"

namespace platform::web {

class WebWindowSystem;

// The page's window of a loaded form: its canvas, drawn as the form says at
// the page's device pixel ratio, and the page's input handed to the form.
// Kept alive while the page's event is handled, since a handler may unload
// the form and so let go of the window.
class FormWindow final {
  public:
    FormWindow(Form& form, const WebWindowSystem& system);
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;
    FormWindow(FormWindow&&) = delete;
    FormWindow& operator=(FormWindow&&) = delete;
    ~FormWindow() = default;

    // The window of the page's id, while it is on the page.
    static std::shared_ptr<FormWindow> withId(int id);
    // Every window on the page, once the device pixel ratio changed.
    static void rescaleAll();

    int id() const { return id_; }
    // None once the form is unloaded.
    Form* form() const { return form_; }

    // Title, place and colour as the form's properties say.
    void sync();
    void show();
    void repaint(const PixelRect& rect);
    // The form was unloaded: the window leaves the page and forgets it.
    void detach();

    // The page's events: a frame to draw, the pointer in the canvas's pixels
    // with the buttons it holds now, the pointer taken away.
    void paint();
    void pointer(int x, int y, int domButtons, int shift);
    void pointerLost();

  private:
    void fitCanvas();
    PixelRect clientArea() const;

    Form* form_;
    const WebWindowSystem* system_;
    int id_;
    std::string title_;
    Color backColour_;  // as last drawn
    // The form's pixels to draw on the next frame, which is asked for.
    std::optional<PixelRect> dirty_;
    int buttonsHeld_ = 0;  // the runtime's codes
    std::optional<std::string> toolTip_;
};

// The form's hold on its window.
class FormWindowView final : public FormView {
  public:
    FormWindowView(Form& form, const WebWindowSystem& system);
    FormWindowView(const FormWindowView&) = delete;
    FormWindowView& operator=(const FormWindowView&) = delete;
    FormWindowView(FormWindowView&&) = delete;
    FormWindowView& operator=(FormWindowView&&) = delete;
    ~FormWindowView() override { window_->detach(); }

    void sync() override { window_->sync(); }
    void show() override { window_->show(); }
    void repaint(const PixelRect& rect) override { window_->repaint(rect); }
    void accessibilityChanged(const AccessibleUpdate& update) override;

  private:
    std::shared_ptr<FormWindow> window_;
};

}  // namespace platform::web
