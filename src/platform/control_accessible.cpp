#include "platform/control_accessible.h"

#include <QAccessibleWidget>

#include "platform/form.h"
#include "platform/form_window.h"
#include "platform/image.h"
#include "platform/label.h"

namespace platform {

namespace {

bool isLabel(const PointerControl& control) {
    return dynamic_cast<const Label*>(&control) != nullptr;
}

// The form window, whose children are its visible labels and images, front to back.
class FormAccessible final : public QAccessibleWidget {
  public:
    explicit FormAccessible(FormWindow* window) : QAccessibleWidget(window, QAccessible::Window) {}

    int childCount() const override {
        return static_cast<int>(formWindow()->accessibleControls().size());
    }

    QAccessibleInterface* child(int index) const override {
        const auto controls = formWindow()->accessibleControls();
        if (index < 0 || index >= static_cast<int>(controls.size())) {
            return nullptr;
        }
        return formWindow()->accessibleFor(*controls[static_cast<std::size_t>(index)]);
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
        return control != nullptr ? formWindow()->accessibleFor(*control) : nullptr;
    }

  private:
    FormWindow* formWindow() const { return static_cast<FormWindow*>(widget()); }
};

QAccessibleInterface* formAccessibleFactory(const QString& /*className*/, QObject* object) {
    auto* window = dynamic_cast<FormWindow*>(object);
    if (window == nullptr) {
        return nullptr;
    }
    return new FormAccessible(
        window);  // NOLINT(cppcoreguidelines-owning-memory): Qt's cache owns it
}

}  // namespace

ControlAccessible::ControlAccessible(FormWindow& window, const PointerControl& control)
    : window_(&window), control_(&control) {}

bool ControlAccessible::isValid() const {
    return window_->form() != nullptr;
}

QWindow* ControlAccessible::window() const {
    return window_->windowHandle();
}

QAccessibleInterface* ControlAccessible::parent() const {
    return QAccessible::queryAccessibleInterface(window_);
}

QString ControlAccessible::text(QAccessible::Text t) const {
    QString tip = QString::fromStdString(control_->ToolTipText).trimmed();
    if (t == QAccessible::Description) {
        return tip;
    }
    if (t != QAccessible::Name) {
        return {};
    }
    const auto* label = dynamic_cast<const Label*>(control_);
    const QString caption = label != nullptr ? QString::fromStdString(label->Caption) : QString();
    return caption.isEmpty() ? tip : caption;
}

QRect ControlAccessible::rect() const {
    const PixelRect r = control_->pixelRect();
    return {window_->mapToGlobal(QPoint(r.x, r.y)), QSize(r.width, r.height)};
}

QAccessible::Role ControlAccessible::role() const {
    if (clickable()) {
        return QAccessible::Button;
    }
    return isLabel(*control_) ? QAccessible::StaticText : QAccessible::Graphic;
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
    return clickable() ? QStringList{pressAction()} : QStringList{};
}

void ControlAccessible::doAction(const QString& actionName) {
    if (actionName == pressAction() && clickable() && window_->form() != nullptr) {
        window_->form()->press(*control_);
    }
}

bool ControlAccessible::clickable() const {
    return static_cast<bool>(control_->onClick);
}

void installFormAccessibility() {
    QAccessible::installFactory(formAccessibleFactory);
}

}  // namespace platform
