#pragma once

#include <QAccessibleInterface>

namespace platform {

class Control;
class FormWindow;
class Label;
class PointerControl;

// What the interfaces of a form window's windowless parts share: they live
// as long as the window is attached to its form, have no object of their
// own, no children under a point, and take no text.
class WindowlessAccessible : public QAccessibleInterface {
  public:
    explicit WindowlessAccessible(FormWindow& window) : window_(&window) {}

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    void setText(QAccessible::Text /*t*/, const QString& /*text*/) override {}

  protected:
    FormWindow& formWindow() const { return *window_; }
    // A control's rectangle on the screen.
    QRect onScreen(const Control& control) const;

  private:
    FormWindow* window_;
};

// What assistive technology sees of a windowless label or image: a role, a
// name, a place on the screen and, when it takes clicks, the press action.
// The status line is a status bar holding the announcement.
class ControlAccessible final : public WindowlessAccessible, public QAccessibleActionInterface {
  public:
    ControlAccessible(FormWindow& window, const PointerControl& control);

    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int index) const override;
    int childCount() const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& /*actionName*/) const override { return {}; }

  private:
    bool statusLine() const;

    const PointerControl* control_;
};

// What the status line said last, as a notification inside it.
class AnnouncementAccessible final : public WindowlessAccessible {
  public:
    AnnouncementAccessible(FormWindow& window, const Label& statusLine);

    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return {}; }

  private:
    const Label* statusLine_;
};

// Makes every form window answer with its controls as children, and every
// plain dialog, such as the About box, say whether it is modal.
void installFormAccessibility();

}  // namespace platform
