#pragma once

#include <QWidget>
#include <deque>
#include <optional>

#include "platform/form_accessibility.h"
#include "platform/units.h"

namespace platform {

class Form;

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

    FormAccessibility& accessibility() { return accessibility_; }

    // The monitor the player is looking at: the one under the pointer, else
    // the primary one. Its available area, what panels leave free.
    static PixelRect screenArea();

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

    struct PlaceAsked {
        QPoint client;
        bool whileShown = false;
    };
    struct Report {
        QPoint client;
        bool asked = false;
    };

    Form* form_;
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
};

}  // namespace platform
