#pragma once

#include <QAccessible>
#include <QString>
#include <map>
#include <optional>

#include "platform/runtime/accessible_tree.h"

class QAccessibleInterface;

namespace platform {

class FormWindow;

// What assistive technology meets of one form window through Qt's bridge to
// AT-SPI: the runtime's tree as it was last handed over, an interface for
// each child it has asked about, the status line's announcement as a
// notification inside it, and presses that click on the next turn of the
// event loop.
class FormAccessibility {
  public:
    explicit FormAccessibility(FormWindow& window) : window_(&window) {}
    FormAccessibility(const FormAccessibility&) = delete;
    FormAccessibility& operator=(const FormAccessibility&) = delete;
    FormAccessibility(FormAccessibility&&) = delete;
    FormAccessibility& operator=(FormAccessibility&&) = delete;
    ~FormAccessibility() { clear(); }

    const AccessibleTree& tree() const { return tree_; }
    QAccessibleInterface* interfaceFor(int id);
    // The notification that says what the status line said last; none
    // without a status line.
    QAccessibleInterface* announcementInterface();
    const QString& announcement() const { return announcement_; }

    // Takes the runtime's tree and tells assistive technology what changed.
    void update(const AccessibleUpdate& update);
    // Returns at once: the press runs on the next turn of the event loop,
    // if the child is pressable then.
    void pressLater(int id);
    // The form was unloaded: every interface goes.
    void clear();

  private:
    void forget(int id);

    FormWindow* window_;
    AccessibleTree tree_;
    std::map<int, QAccessible::Id> exposed_;
    std::optional<QAccessible::Id> announcementId_;
    QString announcement_;
};

// Makes every form window answer with its children, and every plain dialog,
// such as the About box, say whether it is modal.
void installFormAccessibility();

}  // namespace platform
