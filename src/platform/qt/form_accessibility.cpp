#include "platform/qt/form_accessibility.h"

#include <QApplication>

#include "platform/qt/control_accessible.h"
#include "platform/qt/form_window.h"
#include "platform/runtime/form.h"
#include "platform/runtime/label.h"

namespace platform {

std::vector<const PointerControl*> FormAccessibility::controls() const {
    const Form* form = window_->form();
    return form != nullptr ? form->reachableControls() : std::vector<const PointerControl*>{};
}

QAccessibleInterface* FormAccessibility::interfaceFor(const PointerControl& control) {
    const auto known = exposed_.find(&control);
    if (known != exposed_.end()) {
        return QAccessible::accessibleInterface(known->second.id);
    }
    // Registered until clear() deletes it.
    auto* iface = new ControlAccessible(*window_, control);
    exposed_.emplace(&control, Exposed{QAccessible::registerAccessibleInterface(iface),
                                       iface->text(QAccessible::Name)});
    return iface;
}

void FormAccessibility::nameMayHaveChanged(const PointerControl& control) {
    const auto known = exposed_.find(&control);
    if (known == exposed_.end()) {
        return;
    }
    QAccessibleInterface* iface = QAccessible::accessibleInterface(known->second.id);
    const QString name = iface->text(QAccessible::Name);
    if (name != known->second.name) {
        known->second.name = name;
        QAccessibleEvent changed(iface, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&changed);
    }
}

void FormAccessibility::announce(const std::string& text) {
    if (pending_.isEmpty()) {
        QMetaObject::invokeMethod(
            window_, [this] { sayPending(); }, Qt::QueuedConnection);
    } else {
        pending_ += QStringLiteral(". ");
    }
    pending_ += QString::fromStdString(text);
}

void FormAccessibility::windowActivated() {
    const Label* statusLine = this->statusLine();
    if (!activated_ && statusLine != nullptr && !statusLine->Caption.get().empty()) {
        announce(statusLine->Caption);
    }
    activated_ = true;
}

// Screen readers speak a notification that shows itself; inside a status bar
// they leave out its role and say only its text.
void FormAccessibility::sayPending() {
    announcement_ = pending_;
    pending_.clear();
    if (!QAccessible::isActive()) {
        return;
    }
    QAccessibleInterface* iface = announcementInterface();
    if (iface != nullptr) {
        QAccessibleEvent renamed(iface, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&renamed);
        QAccessibleEvent shown(iface, QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&shown);
    }
}

QAccessibleInterface* FormAccessibility::announcementInterface() {
    if (announcementId_) {
        return QAccessible::accessibleInterface(*announcementId_);
    }
    const Label* statusLine = this->statusLine();
    if (statusLine == nullptr) {
        return nullptr;
    }
    // Registered until clear() deletes it.
    auto* iface = new AnnouncementAccessible(*window_, *statusLine);
    announcementId_ = QAccessible::registerAccessibleInterface(iface);
    return iface;
}

const Label* FormAccessibility::statusLine() const {
    const Form* form = window_->form();
    return form != nullptr ? form->statusLine() : nullptr;
}

bool FormAccessibility::pressable(const PointerControl& control) const {
    // The window's controls live as long as it is attached to its form.
    const Form* form = window_->form();
    const QWidget* modal = QApplication::activeModalWidget();
    return form != nullptr && control.onClick && form->reachablePoint(control) &&
           (modal == nullptr || modal == window_);
}

void FormAccessibility::pressLater(const PointerControl& control) {
    QMetaObject::invokeMethod(
        window_,
        [this, &control] {
            if (pressable(control)) {
                window_->form()->press(control);
            }
        },
        Qt::QueuedConnection);
}

void FormAccessibility::clear() {
    for (const auto& [control, exposed] : exposed_) {
        QAccessible::deleteAccessibleInterface(exposed.id);
    }
    exposed_.clear();
    if (announcementId_) {
        QAccessible::deleteAccessibleInterface(*announcementId_);
        announcementId_.reset();
    }
}

}  // namespace platform
