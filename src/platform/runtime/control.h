#pragma once

#include <functional>
#include <string>

#include "platform/runtime/mouse.h"
#include "platform/runtime/property.h"
#include "platform/runtime/units.h"

namespace platform {

class Form;
class Label;
class Image;
class Shape;

class ControlVisitor {
  public:
    virtual ~ControlVisitor() = default;
    virtual void visit(const Label& label) = 0;
    virtual void visit(const Image& image) = 0;
    virtual void visit(const Shape& shape) = 0;

  protected:
    ControlVisitor() = default;
    ControlVisitor(const ControlVisitor&) = default;
    ControlVisitor& operator=(const ControlVisitor&) = default;
    ControlVisitor(ControlVisitor&&) = default;
    ControlVisitor& operator=(ControlVisitor&&) = default;
};

// A windowless control drawn on its form. Controls stack front to back in
// the order they are created; that order decides drawing and hit-testing.
class Control : public PropertyOwner {
  public:
    Control(Form& form, TwipsRect rect, bool visible);
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    Control(Control&&) = delete;
    Control& operator=(Control&&) = delete;
    ~Control() override;

    Property<Twips> Left;
    Property<Twips> Top;
    Property<Twips> Width;
    Property<Twips> Height;
    Property<bool> Visible;

    PixelRect pixelRect() const;
    Form& form() const { return *form_; }

    virtual bool takesPointer() const = 0;
    virtual void accept(ControlVisitor& visitor) const = 0;

    void propertyChanged() override;

  protected:
    virtual void adjustSize() {}

  private:
    Form* form_;
    PixelRect painted_;
};

// Labels and images: they take pointer events and show tool tips.
class PointerControl : public Control {
  public:
    PointerControl(Form& form, TwipsRect rect, bool visible, int borderStyle,
                   std::string toolTipText);

    Property<int> BorderStyle;
    Property<std::string> ToolTipText;

    std::function<void()> onClick;
    std::function<void(const MouseArgs&)> onMouseDown;
    std::function<void(const MouseArgs&)> onMouseMove;
    std::function<void(const MouseArgs&)> onMouseUp;
    // What assistive technology calls the control, where its caption or its
    // tool tip would not say it.
    std::function<std::string()> accessibleName;
    // Whether a click does anything now, where the click handler tests
    // something first; without it, a click acts whenever there is a handler.
    std::function<bool()> actsOnClick;

    bool clickActs() const { return onClick && (!actsOnClick || actsOnClick()); }
    bool takesPointer() const override { return true; }
};

}  // namespace platform
