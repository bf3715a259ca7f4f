#pragma once

#include <QAccessible>
#include <QWidget>
#include <map>
#include <utility>
#include <vector>

namespace platform {

class Form;
class Control;
class PointerControl;

// The desktop window of a loaded form: paints its controls and hands the
// window system's input to the form.
class FormWindow final : public QWidget {
  public:
    explicit FormWindow(Form& form);
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;
    FormWindow(FormWindow&&) = delete;
    FormWindow& operator=(FormWindow&&) = delete;
    ~FormWindow() override;

    // Caption, position, colour and icon as the form's properties say.
    void syncWithForm();
    // The form was unloaded; events still queued for this window are dropped.
    void detach();
    Form* form() const { return form_; }

    // The visible labels and images, front to back, as assistive technology
    // sees them, and the interface standing for one of them.
    std::vector<const PointerControl*> accessibleControls() const;
    QAccessibleInterface* accessibleFor(const PointerControl& control);
    // Tells assistive technology that a control's name (its caption) changed.
    void announceNameChange(const PointerControl& control);

    static std::pair<int, int> screenSize();

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    bool focusNextPrevChild(bool next) override;

  private:
    Form* form_;
    std::map<const PointerControl*, QAccessible::Id> accessibleIds_;
};

}  // namespace platform
