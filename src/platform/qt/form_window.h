#pragma once

#include <QWidget>
#include <deque>
#include <optional>

#include "platform/qt/accessibility.h"
#include "platform/runtime/units.h"
#include "platform/runtime/window_system.h"

namespace platform {

class Form;
class Pictures;
class QtWindowSystem;

// The desktop window of a loaded form: draws what the form says to, and
// hands the window system's input to the form.
class FormWindow final : public QWidget {
  public:
    FormWindow(Form& form, QtWindowSystem& system);
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;
    FormWindow(FormWindow&&) = delete;
    FormWindow& operator=(FormWindow&&) = delete;
    ~FormWindow() override;

    // Title, position and colour as the form's properties say.
    void syncWithForm();
    // The form was unloaded; events still queued for this window are dropped.
    void detach();
    Form* form() const { return form_; }
    const Pictures& pictures() const;

    FormAccessibility& accessibility() { return accessibility_; }

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
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool focusNextPrevChild(bool next) override;

  private:
    // Whether the window system reports a move the window asked for. Under
    // a window manager the report comes later, maybe after newer moves were
    // asked for, and must not be taken for the player's.
    bool reportsMoveAsked(QPoint client);
    // After the first frame: the taskbar's and the window switcher's icon.
    void showIcon();
    // The window manager told the frame, perhaps only now that the window is
    // shown: the window moves to where it is centred by it.
    void frameTold();

    struct PlaceAsked {
        QPoint client;
        bool whileShown = false;
    };
    struct Report {
        QPoint client;
        bool asked = false;
    };

    Form* form_;
    QtWindowSystem* system_;
    FormAccessibility accessibility_{*this};
    std::deque<PlaceAsked> placesAsked_;
    bool asking_ = false;  // the widget reports its own move at once, too
    // The window system's last report of a move, each one seen on the native
    // window: the widget hears only of those that move it from where it
    // thinks it is, and a move it asked for it thinks done at once.
    std::optional<Report> lastReport_;
    // Until the window system reports a place that the window asked for once
    // shown, the window manager is still mapping, framing and placing it, and
    // the window goes back where the form has it after each move of its own.
    bool placed_ = false;
    // Pressed in the client area and not yet let go: no drag of the window.
    Qt::MouseButtons buttonsHeldHere_;
    bool iconAsked_ = false;
};

// The form's hold on its window. The window may be unloaded from inside one
// of its own event handlers, so letting go hides it at once and deletes it
// once that event is done.
class FormWindowView final : public FormView {
  public:
    FormWindowView(Form& form, QtWindowSystem& system);
    FormWindowView(const FormWindowView&) = delete;
    FormWindowView& operator=(const FormWindowView&) = delete;
    FormWindowView(FormWindowView&&) = delete;
    FormWindowView& operator=(FormWindowView&&) = delete;
    ~FormWindowView() override;

    FormWindow& window() const { return *window_; }

    void sync() override { window_->syncWithForm(); }
    void show() override { window_->show(); }
    void repaint(const PixelRect& rect) override;
    void accessibilityChanged(const AccessibleUpdate& update) override;

  private:
    FormWindow* window_;
};

// A loaded form's window; none while it is unloaded.
FormWindow* windowOf(const Form& form);

}  // namespace platform
