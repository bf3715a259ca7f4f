#include "platform/runtime/form.h"

#include "platform/runtime/label.h"
#include "platform/runtime/runtime.h"
#include "platform/runtime/timer.h"

namespace platform {

Form::Form(Runtime& runtime, FormDesign design)
    : Caption(*this, design.Caption),
      Left(*this, 0),
      Top(*this, 0),
      BackColor(*this, design.BackColor),
      runtime_(&runtime),
      design_(std::move(design)) {}

Form::~Form() = default;

std::string Form::windowTitle() const {
    return design_.BorderStyle == 0 && !design_.AccessibleName.empty() ? design_.AccessibleName
                                                                       : Caption.get();
}

void Form::Show() {
    if (!loaded_) {
        load();
    }
    if (!view_) {
        view_ = runtime_->windows().createView(*this);
        view_->sync();
        runtime_->publishAfterHandlers(*this);
    }
    view_->show();
}

void Form::load() {
    loaded_ = true;
    ++generation_;
    if (icon_.empty() && !design_.iconResource.empty()) {
        icon_ = Picture::fromResource(design_.iconResource);
    }
    Caption.setQuietly(design_.Caption);
    BackColor.setQuietly(design_.BackColor);
    published_ = {};
    pendingAnnouncement_.clear();
    lastAnnouncement_.clear();
    activated_ = false;
    centreOnScreen();
    runtime_->formLoaded();
    createControls();
    Form_Load();
}

void Form::centreOnScreen() {
    screenArea_ = runtime_->windows().screenArea();
    const PixelRect place = centredFrame(runtime_->windows().frameOf(design_.BorderStyle));
    Left.setQuietly(toTwips(place.x));
    Top.setQuietly(toTwips(place.y));
}

PixelRect Form::centredFrame(const FrameMargins& frame) const {
    const int width = toPixels(design_.ClientWidth) + frame.left + frame.right;
    const int height = toPixels(design_.ClientHeight) + frame.top + frame.bottom;
    return {centredStart(screenArea_.x, screenArea_.width, width),
            centredStart(screenArea_.y, screenArea_.height, height), width, height};
}

void Form::windowMoved(int x, int y) {
    Left.setQuietly(toTwips(x));
    Top.setQuietly(toTwips(y));
}

void Form::Unload() {
    if (!loaded_) {
        return;
    }
    loaded_ = false;
    captured_ = false;
    captureTarget_ = nullptr;
    buttonsDown_ = 0;
    view_.reset();
    stack_.clear();
    // The controls may outlive the unload by the rest of the running
    // handler; their timers stop now.
    for (Timer* timer : timers_) {
        timer->retire();
    }
    timers_.clear();
    destroyControls();
    runtime_->formUnloaded();
}

void Form::retire(std::shared_ptr<void> controls) const {
    runtime_->retire(std::move(controls));
}

void Form::propertyChanged() {
    if (view_) {
        view_->sync();
    }
    runtime_->publishAfterHandlers(*this);
}

void Form::invalidate(const PixelRect& rect) {
    if (view_) {
        view_->repaint(rect);
    }
    runtime_->publishAfterHandlers(*this);
}

PointerControl* Form::controlAt(int x, int y) const {
    for (Control* control : stack_) {
        if (control->takesPointer() && control->Visible && control->pixelRect().contains(x, y)) {
            return static_cast<PointerControl*>(control);
        }
    }
    return nullptr;
}

std::optional<std::pair<int, int>> Form::reachablePoint(const PointerControl& control) const {
    if (!control.Visible) {
        return std::nullopt;
    }
    const PixelRect rect = control.pixelRect();
    // What covers the control changes only at the edges of the controls in
    // front of it, so one point in each cell between those edges tries every
    // uncovered part.
    std::vector<int> xs{rect.x + rect.width / 2, rect.x};
    std::vector<int> ys{rect.y + rect.height / 2, rect.y};
    for (const Control* front : stack_) {
        if (front == &control) {
            break;
        }
        const PixelRect r = front->pixelRect();
        for (const int x : {r.x, r.x + r.width}) {
            if (x > rect.x && x < rect.x + rect.width) {
                xs.push_back(x);
            }
        }
        for (const int y : {r.y, r.y + r.height}) {
            if (y > rect.y && y < rect.y + rect.height) {
                ys.push_back(y);
            }
        }
    }
    for (const int y : ys) {
        for (const int x : xs) {
            if (controlAt(x, y) == &control) {
                return std::pair{x, y};
            }
        }
    }
    return std::nullopt;
}

std::optional<std::string> Form::toolTipAt(int x, int y) const {
    const PointerControl* control = controlAt(x, y);
    if (control == nullptr || control->ToolTipText.get().empty()) {
        return std::nullopt;
    }
    return control->ToolTipText.get();
}

MouseArgs Form::argsFor(const PointerControl* target, int x, int y, int button, int shift) const {
    const PixelRect origin = target != nullptr ? target->pixelRect() : PixelRect{};
    return {button, shift, toTwips(x - origin.x), toTwips(y - origin.y)};
}

void Form::dispatchToThisLoad(std::function<void()> handler) {
    // An event that waited while another handler unloaded the form, or
    // unloaded and loaded it again, belongs to controls that are gone.
    runtime_->dispatch([this, generation = generation_, handler = std::move(handler)] {
        if (loaded_ && generation == generation_) {
            handler();
        }
    });
}

void Form::raise(PointerControl* target, MouseEvent event, const MouseArgs& args) {
    dispatchToThisLoad([target, event, args] {
        if (target != nullptr && target->*event) {
            (target->*event)(args);
        }
    });
}

void Form::mouseDown(int x, int y, int button, int shift) {
    // Buttons beyond the three the handlers know (a mouse's back and forward
    // buttons) are not theirs; taking one would capture the pointer for good.
    if (!loaded_ || (button != kLeftButton && button != kRightButton && button != kMiddleButton)) {
        return;
    }
    if (!captured_) {
        captured_ = true;
        captureTarget_ = controlAt(x, y);
    }
    buttonsDown_ |= button;
    raise(captureTarget_, &PointerControl::onMouseDown,
          argsFor(captureTarget_, x, y, button, shift));
}

void Form::mouseMove(int x, int y, int buttons, int shift) {
    if (!loaded_) {
        return;
    }
    PointerControl* target = captured_ ? captureTarget_ : controlAt(x, y);
    const MouseArgs args = argsFor(target, x, y, buttons, shift);
    if (target == nullptr) {
        dispatchToThisLoad([this, args] { Form_MouseMove(args); });
    } else {
        raise(target, &PointerControl::onMouseMove, args);
    }
}

void Form::mouseUp(int x, int y, int button, int shift) {
    if (!loaded_ || (buttonsDown_ & button) == 0) {
        return;
    }
    buttonsDown_ &= ~button;
    PointerControl* target = captureTarget_;
    if (buttonsDown_ == 0) {
        releaseCapture();
    }
    raise(target, &PointerControl::onMouseUp, argsFor(target, x, y, button, shift));
    // Every press and release clicks the control that took the press, with
    // any button and wherever the button was let go.
    if (target != nullptr) {
        click(*target);
    }
}

void Form::captureLost() {
    if (!captured_) {
        return;
    }
    PointerControl* target = captureTarget_;
    const int held = buttonsDown_;
    releaseCapture();
    for (const int button : {kLeftButton, kRightButton, kMiddleButton}) {
        if ((held & button) != 0) {
            raise(target, &PointerControl::onMouseUp, argsFor(target, 0, 0, button, 0));
        }
    }
}

void Form::releaseCapture() {
    captured_ = false;
    captureTarget_ = nullptr;
    buttonsDown_ = 0;
}

bool Form::keyTyped(const TypedKey& key) {
    constexpr char32_t kLastOneByteCharacter = 0xFF;
    // Ctrl, Alt and the logo key make a key the desktop's shortcut; AltGr,
    // which types characters, does not, whatever Ctrl and Alt say with it.
    const bool shortcut = ((key.ctrl || key.alt) && !key.altGraph) || key.meta;
    if (key.character == 0 || key.character > kLastOneByteCharacter || shortcut) {
        return false;
    }
    return keyPress(static_cast<int>(key.character)) == 0;
}

int Form::keyPress(int code) {
    if (!loaded_) {
        return code;
    }
    // Shared, so that a key arriving while another handler runs can wait for
    // it; such a key is left as it came.
    const auto keyAscii = std::make_shared<std::int16_t>(static_cast<std::int16_t>(code));
    dispatchToThisLoad([this, keyAscii] { Form_KeyPress(*keyAscii); });
    return *keyAscii;
}

void Form::click(const PointerControl& control) {
    dispatchToThisLoad([&control] {
        if (control.onClick) {
            control.onClick();
        }
    });
}

AccessibleTree Form::accessibleTree() const {
    return loaded_ ? accessibleTreeOf(*this) : AccessibleTree{};
}

bool Form::pressAccessible(int id) {
    const AccessibleTree tree = accessibleTree();
    const AccessibleNode* node = tree.child(id);
    // While a button is held the pointer belongs to what it pressed.
    if (node == nullptr || !node->pressable || captured_) {
        return false;
    }
    const auto& control =
        static_cast<const PointerControl&>(*stack_.at(static_cast<std::size_t>(id)));
    const auto point = reachablePoint(control);
    mouseDown(point->first, point->second, kLeftButton, 0);
    mouseUp(point->first, point->second, kLeftButton, 0);
    return true;
}

void Form::activated() {
    if (activated_) {
        return;
    }
    activated_ = true;
    for (const Control* control : stack_) {
        const auto* label = dynamic_cast<const Label*>(control);
        if (label != nullptr && label->StatusLine && !label->Caption.get().empty()) {
            announce(label->Caption);
        }
    }
}

void Form::announce(const std::string& text) {
    if (!pendingAnnouncement_.empty()) {
        pendingAnnouncement_ += ". ";
    }
    pendingAnnouncement_ += text;
    runtime_->publishAfterHandlers(*this);
}

void Form::publishAccessibility() {
    if (!view_) {
        pendingAnnouncement_.clear();
        return;
    }
    if (!pendingAnnouncement_.empty()) {
        lastAnnouncement_ = pendingAnnouncement_;
    }
    AccessibleUpdate update = changesBetween(published_, accessibleTree());
    update.announcement = std::move(pendingAnnouncement_);
    pendingAnnouncement_.clear();
    published_ = update.tree;
    if (!update.empty()) {
        view_->accessibilityChanged(update);
    }
}

void Form::closeRequested() {
    runtime_->dispatch([this] { Unload(); });
}

}  // namespace platform
