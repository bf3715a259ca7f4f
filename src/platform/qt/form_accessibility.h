#pragma once

#include <QAccessible>
#include <QString>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace platform {

class FormWindow;
class Label;
class PointerControl;

// What assistive technology sees of one form window: the controls that the
// pointer reaches, an interface for each one it has asked about, what the
// status line says, and presses that click on the next turn of the event loop.
class FormAccessibility {
  public:
    explicit FormAccessibility(FormWindow& window) : window_(&window) {}
    FormAccessibility(const FormAccessibility&) = delete;
    FormAccessibility& operator=(const FormAccessibility&) = delete;
    FormAccessibility(FormAccessibility&&) = delete;
    FormAccessibility& operator=(FormAccessibility&&) = delete;
    ~FormAccessibility() { clear(); }

    // The visible labels and images that the pointer reaches, front to back.
    std::vector<const PointerControl*> controls() const;
    QAccessibleInterface* interfaceFor(const PointerControl& control);
    // Tells assistive technology of a new name of a control it has asked about.
    void nameMayHaveChanged(const PointerControl& control);

    // Said once the running handler has returned, after what it said before.
    void announce(const std::string& text);
    // The first time the window comes forward, a screen reader names it; what
    // the status line says then is news too.
    void windowActivated();
    // What the status line said last, and the interface that says it (none
    // without a status line).
    const QString& announcement() const { return announcement_; }
    QAccessibleInterface* announcementInterface();

    // What the pointer could click now: a control that takes clicks, where
    // nothing covers it, in a window that no modal box shuts off.
    bool pressable(const PointerControl& control) const;
    // Returns at once: the press runs as a click on the next turn of the
    // event loop, if the control is pressable then.
    void pressLater(const PointerControl& control);

    // The form was unloaded: every interface goes.
    void clear();

  private:
    void sayPending();
    const Label* statusLine() const;

    struct Exposed {
        QAccessible::Id id;
        QString name;
    };

    FormWindow* window_;
    std::map<const PointerControl*, Exposed> exposed_;
    std::optional<QAccessible::Id> announcementId_;
    QString announcement_;
    QString pending_;
    bool activated_ = false;
};

}  // namespace platform
