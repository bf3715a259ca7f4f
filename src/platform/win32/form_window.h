#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/runtime/form.h"
#include "platform/runtime/window_system.h"
#include "platform/win32/dpi_scale.h"
#include "platform/win32/form_accessibility.h"
#include "platform/win32/handles.h"

namespace platform::win32 {

class AccessibilityLibraries;
class FontStore;
class PictureStore;
class ToolTipClass;

// What a form's window draws with, its tool tips' class, and what it answers
// screen readers through.
struct DrawingStores {
    const PictureStore& pictures;
    const FontStore& fonts;
    ToolTipClass& toolTips;
    AccessibilityLibraries& accessibilityLibraries;
};

// Registers the one window class of the forms' windows, unless it is
// already; throws std::runtime_error, saying why, when it cannot.
void registerFormWindowClass();

// The desktop window of a loaded form: paints its controls into an
// off-screen bitmap and hands the window's input to the form. Kept alive by
// its own window procedure while it handles a message, since a handler may
// unload the form and so let go of the window.
class FormWindow final : public std::enable_shared_from_this<FormWindow> {
  public:
    // Throws std::runtime_error, saying why, when the window cannot be created.
    FormWindow(Form& form, DrawingStores stores);
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;
    FormWindow(FormWindow&&) = delete;
    FormWindow& operator=(FormWindow&&) = delete;
    ~FormWindow();

    HWND handle() const { return window_.get(); }
    // None once the form is unloaded.
    Form* form() const { return form_; }
    const DpiScale& scale() const { return scale_; }
    FormAccessibility& accessibility() { return accessibility_; }
    const PictureStore& pictures() const { return stores_.pictures; }
    const FontStore& fonts() const { return stores_.fonts; }
    const AccessibilityLibraries& accessibilityLibraries() const {
        return stores_.accessibilityLibraries;
    }

    // Caption, place and colour as the form's properties say.
    void sync();
    void show() const;
    void repaint(const PixelRect& rect);
    // The form was unloaded: the window hides and forgets it.
    void detach();

    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  private:
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void onPaint();
    void paint(HDC dc, const PixelRect& area) const;
    void onButtonDown(int button, LPARAM lParam, WPARAM keys);
    void onButtonUp(int button, LPARAM lParam, WPARAM keys);
    void onMouseMove(LPARAM lParam, WPARAM keys);
    bool onChar(WPARAM code);
    void onMoved();
    // Moves the window to where the form has it, unless it is there.
    void placeAsForm();
    bool askedBefore() const;
    // The window's place, told to the form when it differs from the form's.
    void tellPlace();
    LRESULT onNotify(LPARAM lParam);
    LRESULT onDpiChanged(WPARAM wParam, LPARAM lParam);
    LRESULT onGetObject(WPARAM wParam, LPARAM lParam);
    void createToolTip(LPARAM pointer);
    void setIcons();
    FrameMargins frame() const;
    FrameMargins fitToForm();

    Form* form_;
    DrawingStores stores_;
    OwnedWindow window_;
    // Destroyed before its owner window, which would take it along.
    OwnedWindow toolTip_;
    std::wstring toolTipText_;
    std::optional<std::string> toolTipShown_;
    bool toolTipAsked_ = false;
    bool iconsSet_ = false;
    std::string caption_;
    Color backColour_;  // as last drawn
    DpiScale scale_;
    FormAccessibility accessibility_{*this};
    bool asking_ = false;        // a move the window asked for is under way
    bool playerMoving_ = false;  // the system's loop of the player's move is under way
    // Where the window asked to be since it was made, in screen pixels.
    std::vector<POINT> placesAsked_;
};

// The form's hold on its window.
class FormWindowView final : public FormView {
  public:
    FormWindowView(Form& form, DrawingStores stores);
    FormWindowView(const FormWindowView&) = delete;
    FormWindowView& operator=(const FormWindowView&) = delete;
    FormWindowView(FormWindowView&&) = delete;
    FormWindowView& operator=(FormWindowView&&) = delete;
    ~FormWindowView() override;

    FormWindow& window() const { return *window_; }

    void sync() override { window_->sync(); }
    void show() override { window_->show(); }
    void repaint(const PixelRect& rect) override { window_->repaint(rect); }
    void nameMayHaveChanged(const PointerControl& control) override {
        window_->accessibility().nameMayHaveChanged(control);
    }
    void announce(const std::string& text) override { window_->accessibility().announce(text); }

  private:
    std::shared_ptr<FormWindow> window_;
};

// A loaded form's window; none while it is unloaded.
FormWindow* windowOf(const Form& form);

}  // namespace platform::win32
