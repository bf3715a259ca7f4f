#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/runtime/accessible_tree.h"
#include "platform/runtime/control.h"
#include "platform/runtime/frame_margins.h"
#include "platform/runtime/keys.h"
#include "platform/runtime/picture.h"
#include "platform/runtime/property.h"
#include "platform/runtime/runtime_error.h"
#include "platform/runtime/units.h"
#include "platform/runtime/window_system.h"

namespace platform {

class Runtime;
class Label;
class Timer;

struct FormDesign {
    std::string Caption{};
    Twips ClientWidth = 0;
    Twips ClientHeight = 0;
    Color BackColor = RGB(255, 255, 255);
    int BorderStyle = 1;  // 0 none, 1 fixed single: a title bar, not resizable
    std::string iconResource{};
    // What assistive technology calls the window, where not its caption.
    std::string AccessibleName{};
};

// A window holding windowless controls. The form object lives as long as the
// program; loading creates its controls and its window, unloading destroys
// them, and the variables of a derived form keep their values in between.
class Form : public PropertyOwner {
  public:
    Form(Runtime& runtime, FormDesign design);
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;
    Form(Form&&) = delete;
    Form& operator=(Form&&) = delete;
    ~Form() override;

    Property<std::string> Caption;
    Property<Twips> Left;  // outer edges, from the screen's corner
    Property<Twips> Top;
    Property<Color> BackColor;

    const Picture& Icon() const { return icon_; }
    const FormDesign& design() const { return design_; }
    // What the desktop calls the window: its caption, unless it has no title
    // bar to show one, where it goes by its accessible name if it has one.
    std::string windowTitle() const;

    // Loads the form if needed, then shows it modeless. A fresh load is
    // centred by its outer frame on the available area of the monitor under
    // the pointer.
    void Show();
    // Destroys the window and the controls; the form object stays.
    void Unload();
    bool loaded() const { return loaded_; }

    Runtime& runtime() const { return *runtime_; }
    // The window on the desktop; none while unloaded.
    FormView* view() const { return view_.get(); }

    // Front to back; empty while unloaded.
    const std::vector<Control*>& controls() const { return stack_; }

    // Input as the window system delivers it, in the form's pixels.
    void mouseDown(int x, int y, int button, int shift);
    void mouseMove(int x, int y, int buttons, int shift);
    void mouseUp(int x, int y, int button, int shift);
    // The desktop took the pointer away while a button was held (a modal
    // box, a switch of windows): the press ends with its release, and clicks
    // nothing.
    void captureLost();
    // Whether the form took the key, which it then swallows. Keys that type
    // no character of one byte, and shortcuts, are not the form's.
    bool keyTyped(const TypedKey& key);
    // Returns the key code as Form_KeyPress left it: 0 means swallowed.
    int keyPress(int code);
    void closeRequested();
    // The player moved the window (not the window manager on its own, nor a
    // late report of a move the window asked for): its frame's corner is now
    // at x y, in the forms' pixels.
    void windowMoved(int x, int y);
    // Where the window's frame is centred on this load's area, with the frame
    // the desktop puts around it.
    PixelRect centredFrame(const FrameMargins& frame) const;

    PointerControl* controlAt(int x, int y) const;
    // A point where the pointer reaches the control, its centre if it can;
    // none while it is hidden or covered all over.
    std::optional<std::pair<int, int>> reachablePoint(const PointerControl& control) const;
    std::optional<std::string> toolTipAt(int x, int y) const;

    // Assistive technology: what it meets now.
    AccessibleTree accessibleTree() const;
    // A press of the child of that id by assistive technology: the pointer's
    // own press and release where the control is frontmost. Returns whether
    // it was pressable, and so pressed; not while a pointer button is held.
    bool pressAccessible(int id);
    // The window came forward. The first time, a screen reader names it, and
    // what the status line says then is news too.
    void activated();
    // Has assistive technology hear the text through the status line once the
    // running handlers are done, after what they had it hear before.
    void announce(const std::string& text);
    const std::string& lastAnnouncement() const { return lastAnnouncement_; }
    // Hands the window system what assistive technology should hear of since
    // it was last told. The runtime calls it once the handlers are done.
    void publishAccessibility();

    void propertyChanged() override;

  protected:
    virtual void Form_Load() {}
    virtual void Form_KeyPress(std::int16_t& KeyAscii) { (void)KeyAscii; }
    virtual void Form_MouseMove(const MouseArgs& args) { (void)args; }

    virtual void createControls() = 0;
    virtual void destroyControls() = 0;
    // Hands the unloaded controls to the runtime, which frees them once the
    // handler that unloaded them, possibly one of theirs, has returned.
    void retire(std::shared_ptr<void> controls) const;

  private:
    friend class Control;
    friend class PointerControl;
    friend class Timer;
    void add(Control& control) { stack_.push_back(&control); }
    void add(Timer& timer) { timers_.push_back(&timer); }
    void invalidate(const PixelRect& rect);
    void load();
    void centreOnScreen();
    MouseArgs argsFor(const PointerControl* target, int x, int y, int button, int shift) const;
    void dispatchToThisLoad(std::function<void()> handler);
    // The click that every press and release gives the control that took it.
    void click(const PointerControl& control);
    using MouseEvent = std::function<void(const MouseArgs&)> PointerControl::*;
    void raise(PointerControl* target, MouseEvent event, const MouseArgs& args);
    void releaseCapture();

    Runtime* runtime_;
    const FormDesign design_;
    Picture icon_;
    bool loaded_ = false;
    int generation_ = 0;  // counts loads, so input can tell a reload apart
    std::vector<Control*> stack_;
    std::vector<Timer*> timers_;
    std::unique_ptr<FormView> view_;
    // Where the last load was centred.
    PixelRect screenArea_;

    // The pointer is captured by the control (or the form, as nullptr) that
    // got the first press, until every button is up again.
    bool captured_ = false;
    PointerControl* captureTarget_ = nullptr;
    int buttonsDown_ = 0;

    // What assistive technology was last told, and what it is to hear next.
    AccessibleTree published_;
    std::string pendingAnnouncement_;
    std::string lastAnnouncement_;
    bool activated_ = false;
};

// A form whose controls are the members of one layout struct, created at
// each load and destroyed at each unload.
template <class Controls>
class FormOf : public Form {
  public:
    using Form::Form;

    // The loaded form's controls; a runtime error while unloaded.
    Controls& c() {
        if (!controls_) {
            throw RuntimeError(RuntimeError::Code::FormNotLoaded);
        }
        return *controls_;
    }

  protected:
    // Connects the freshly created controls to the form's handlers.
    virtual void wire(Controls& controls) = 0;

  private:
    void createControls() override {
        controls_ = std::make_unique<Controls>(static_cast<Form&>(*this));
        wire(*controls_);
    }
    void destroyControls() override { retire(std::shared_ptr<Controls>(std::move(controls_))); }

    std::unique_ptr<Controls> controls_;
};

}  // namespace platform
