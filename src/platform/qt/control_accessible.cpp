#include "platform/qt/control_accessible.h"

#include <QAccessibleWidget>
#include <QDialog>

#include "platform/qt/form_window.h"
#include "platform/runtime/form.h"
#include "platform/runtime/label.h"

namespace platform {

namespace {

// The form window, whose children are its reachable labels and images, front to back.
class FormAccessible final : public QAccessibleWidget {
  public:
    explicit FormAccessible(FormWindow* window) : QAccessibleWidget(window, QAccessible::Window) {}

    QString text(QAccessible::Text t) const override {
        const Form* form = formWindow()->form();
        if (t == QAccessible::Name && form != nullptr && !form->design().AccessibleName.empty()) {
            return QString::fromStdString(form->design().AccessibleName);
        }
        return QAccessibleWidget::text(t);
    }

    int childCount() const override {
        return static_cast<int>(formWindow()->accessibility().controls().size());
    }

    QAccessibleInterface* child(int index) const override {
        const auto controls = formWindow()->accessibility().controls();
        if (index < 0 || index >= static_cast<int>(controls.size())) {
            return nullptr;
        }
        return formWindow()->accessibility().interfaceFor(
            *controls[static_cast<std::size_t>(index)]);
    }

    int indexOfChild(const QAccessibleInterface* child) const override {
        for (int i = 0; i < childCount(); ++i) {
            if (this->child(i) == child) {
                return i;
            }
        }
        return -1;
    }

    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint local = formWindow()->mapFromGlobal(QPoint(x, y));
        const Form* form = formWindow()->form();
        const PointerControl* control =
            form != nullptr ? form->controlAt(local.x(), local.y()) : nullptr;
        return control != nullptr ? formWindow()->accessibility().interfaceFor(*control) : nullptr;
    }

  private:
    FormWindow* formWindow() const { return static_cast<FormWindow*>(widget()); }
};

class DialogAccessible final : public QAccessibleWidget {
  public:
    explicit DialogAccessible(QDialog* dialog) : QAccessibleWidget(dialog, QAccessible::Dialog) {}

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.modal = static_cast<QDialog*>(widget())->isModal();
        return state;
    }
};

// Qt's cache owns what is made here. Dialogs of a kind of their own, such as
// message boxes, keep what Qt makes of them.
QAccessibleInterface* formAccessibleFactory(const QString& className, QObject* object) {
    if (auto* window = dynamic_cast<FormWindow*>(object)) {
        return new FormAccessible(window);
    }
    if (className == QStringLiteral("QDialog")) {
        return new DialogAccessible(static_cast<QDialog*>(object));
    }
    return nullptr;
}

}  // namespace

bool WindowlessAccessible::isValid() const {
    return window_->form() != nullptr;
}

QWindow* WindowlessAccessible::window() const {
    return window_->windowHandle();
}

QRect WindowlessAccessible::onScreen(const Control& control) const {
    const PixelRect r = control.pixelRect();
    return {window_->mapToGlobal(QPoint(r.x, r.y)), QSize(r.width, r.height)};
}

ControlAccessible::ControlAccessible(FormWindow& window, const PointerControl& control)
    : WindowlessAccessible(window), control_(&control) {}

QAccessibleInterface* ControlAccessible::parent() const {
    return QAccessible::queryAccessibleInterface(&formWindow());
}

QAccessibleInterface* ControlAccessible::child(int index) const {
    return statusLine() && index == 0 ? formWindow().accessibility().announcementInterface()
                                      : nullptr;
}

int ControlAccessible::childCount() const {
    return statusLine() ? 1 : 0;
}

int ControlAccessible::indexOfChild(const QAccessibleInterface* child) const {
    return child != nullptr && child == this->child(0) ? 0 : -1;
}

QString ControlAccessible::text(QAccessible::Text t) const {
    QString tip = QString::fromStdString(control_->ToolTipText).trimmed();
    if (t == QAccessible::Description) {
        return tip;
    }
    if (t != QAccessible::Name) {
        return {};
    }
    if (control_->accessibleName) {
        return QString::fromStdString(control_->accessibleName());
    }
    const auto* label = dynamic_cast<const Label*>(control_);
    const QString caption = label != nullptr ? QString::fromStdString(label->Caption) : QString();
    return caption.isEmpty() ? tip : caption;
}

QRect ControlAccessible::rect() const {
    return onScreen(*control_);
}

QAccessible::Role ControlAccessible::role() const {
    if (statusLine()) {
        return QAccessible::StatusBar;
    }
    if (control_->onClick) {
        return QAccessible::Button;
    }
    return dynamic_cast<const Label*>(control_) != nullptr ? QAccessible::StaticText
                                                           : QAccessible::Graphic;
}

QAccessible::State ControlAccessible::state() const {
    QAccessible::State state;
    state.invisible = !control_->Visible;
    return state;
}

void* ControlAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::ActionInterface) {
        return static_cast<QAccessibleActionInterface*>(this);
    }
    return nullptr;
}

QStringList ControlAccessible::actionNames() const {
    return formWindow().accessibility().pressable(*control_) ? QStringList{pressAction()}
                                                             : QStringList{};
}

void ControlAccessible::doAction(const QString& actionName) {
    if (actionName == pressAction() && formWindow().accessibility().pressable(*control_)) {
        formWindow().accessibility().pressLater(*control_);
    }
}

bool ControlAccessible::statusLine() const {
    const auto* label = dynamic_cast<const Label*>(control_);
    return label != nullptr && label->StatusLine;
}

AnnouncementAccessible::AnnouncementAccessible(FormWindow& window, const Label& statusLine)
    : WindowlessAccessible(window), statusLine_(&statusLine) {}

QAccessibleInterface* AnnouncementAccessible::parent() const {
    return formWindow().accessibility().interfaceFor(*statusLine_);
}

QString AnnouncementAccessible::text(QAccessible::Text t) const {
    return t == QAccessible::Name ? formWindow().accessibility().announcement() : QString();
}

QRect AnnouncementAccessible::rect() const {
    return onScreen(*statusLine_);
}

void installFormAccessibility() {
    QAccessible::installFactory(formAccessibleFactory);
}

}  // namespace platform
