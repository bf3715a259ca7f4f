#include "platform/qt/accessibility.h"

#include <QAccessibleWidget>
#include <QDialog>

#include "platform/qt/form_window.h"
#include "platform/runtime/form.h"

namespace platform {

namespace {

QAccessible::Role roleOf(AccessibleRole role) {
    switch (role) {
        case AccessibleRole::StatusBar:
            return QAccessible::StatusBar;
        case AccessibleRole::Button:
            return QAccessible::Button;
        case AccessibleRole::StaticText:
            return QAccessible::StaticText;
        case AccessibleRole::Graphic:
            return QAccessible::Graphic;
    }
    return QAccessible::NoRole;
}

// What the interfaces of a form window's windowless parts share: they live
// as long as the window is attached to its form, have no object of their
// own, no children under a point, and take no text.
class WindowlessAccessible : public QAccessibleInterface {
  public:
    explicit WindowlessAccessible(FormWindow& window) : window_(&window) {}

    bool isValid() const override { return window_->form() != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return window_->windowHandle(); }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    void setText(QAccessible::Text /*t*/, const QString& /*text*/) override {}

  protected:
    FormWindow& formWindow() const { return *window_; }
    FormAccessibility& accessibility() const { return window_->accessibility(); }
    QRect onScreen(const PixelRect& r) const {
        return {window_->mapToGlobal(QPoint(r.x, r.y)), QSize(r.width, r.height)};
    }

  private:
    FormWindow* window_;
};

// One child of the tree: a role, a name, a place on the screen and, where it
// would click, the press action. The status line holds the announcement.
class ControlAccessible final : public WindowlessAccessible, public QAccessibleActionInterface {
  public:
    ControlAccessible(FormWindow& window, int id) : WindowlessAccessible(window), id_(id) {}

    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(&formWindow());
    }
    QAccessibleInterface* child(int index) const override {
        return statusLine() && index == 0 ? accessibility().announcementInterface() : nullptr;
    }
    int childCount() const override { return statusLine() ? 1 : 0; }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child != nullptr && child == this->child(0) ? 0 : -1;
    }
    QString text(QAccessible::Text t) const override {
        const AccessibleNode* shown = node();
        if (shown == nullptr) {
            return {};
        }
        if (t == QAccessible::Name) {
            return QString::fromStdString(shown->name);
        }
        return t == QAccessible::Description ? QString::fromStdString(shown->description)
                                             : QString();
    }
    QRect rect() const override {
        const AccessibleNode* shown = node();
        return shown != nullptr ? onScreen(shown->bounds) : QRect();
    }
    QAccessible::Role role() const override {
        const AccessibleNode* shown = node();
        return shown != nullptr ? roleOf(shown->role) : QAccessible::NoRole;
    }
    QAccessible::State state() const override {
        const AccessibleNode* shown = node();
        QAccessible::State state;
        state.invisible = shown == nullptr;
        state.disabled =
            shown != nullptr && shown->role == AccessibleRole::Button && !shown->pressable;
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                    : nullptr;
    }

    QStringList actionNames() const override {
        const AccessibleNode* shown = node();
        return shown != nullptr && shown->pressable ? QStringList{pressAction()} : QStringList{};
    }
    void doAction(const QString& actionName) override {
        if (actionName == pressAction()) {
            accessibility().pressLater(id_);
        }
    }
    QStringList keyBindingsForAction(const QString& /*actionName*/) const override { return {}; }

  private:
    const AccessibleNode* node() const { return accessibility().tree().child(id_); }
    bool statusLine() const {
        const AccessibleNode* shown = node();
        return shown != nullptr && shown->role == AccessibleRole::StatusBar;
    }

    int id_;
};

// What the status line said last, as a notification inside it: screen
// readers speak a notification that shows itself, and inside a status bar
// leave out its role and say only its text.
class AnnouncementAccessible final : public WindowlessAccessible {
  public:
    AnnouncementAccessible(FormWindow& window, int statusLine)
        : WindowlessAccessible(window), statusLine_(statusLine) {}

    QAccessibleInterface* parent() const override {
        return accessibility().interfaceFor(statusLine_);
    }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name ? accessibility().announcement() : QString();
    }
    QRect rect() const override {
        const AccessibleNode* status = accessibility().tree().child(statusLine_);
        return status != nullptr ? onScreen(status->bounds) : QRect();
    }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override { return {}; }

  private:
    int statusLine_;
};

// The form window, whose children are the tree's.
class FormAccessible final : public QAccessibleWidget {
  public:
    explicit FormAccessible(FormWindow* window) : QAccessibleWidget(window, QAccessible::Window) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && formWindow()->form() != nullptr) {
            return QString::fromStdString(accessibility().tree().name);
        }
        return QAccessibleWidget::text(t);
    }
    int childCount() const override {
        return static_cast<int>(accessibility().tree().children.size());
    }
    QAccessibleInterface* child(int index) const override {
        const auto& children = accessibility().tree().children;
        if (index < 0 || index >= static_cast<int>(children.size())) {
            return nullptr;
        }
        return accessibility().interfaceFor(children[static_cast<std::size_t>(index)].id);
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
        const Form* form = formWindow()->form();
        const QPoint local = formWindow()->mapFromGlobal(QPoint(x, y));
        const AccessibleNode* hit =
            form != nullptr ? accessibility().tree().childAt(*form, local.x(), local.y()) : nullptr;
        return hit != nullptr ? accessibility().interfaceFor(hit->id) : nullptr;
    }

  private:
    FormWindow* formWindow() const { return static_cast<FormWindow*>(widget()); }
    FormAccessibility& accessibility() const { return formWindow()->accessibility(); }
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

void tell(QAccessibleInterface* iface, QAccessible::Event event) {
    QAccessibleEvent told(iface, event);
    QAccessible::updateAccessibility(&told);
}

}  // namespace

QAccessibleInterface* FormAccessibility::interfaceFor(int id) {
    const auto known = exposed_.find(id);
    if (known != exposed_.end()) {
        return QAccessible::accessibleInterface(known->second);
    }
    // Registered until forgotten.
    auto* iface = new ControlAccessible(*window_, id);
    exposed_.emplace(id, QAccessible::registerAccessibleInterface(iface));
    return iface;
}

QAccessibleInterface* FormAccessibility::announcementInterface() {
    if (announcementId_) {
        return QAccessible::accessibleInterface(*announcementId_);
    }
    const AccessibleNode* status = tree_.statusLine();
    if (status == nullptr) {
        return nullptr;
    }
    auto* iface = new AnnouncementAccessible(*window_, status->id);
    announcementId_ = QAccessible::registerAccessibleInterface(iface);
    return iface;
}

void FormAccessibility::update(const AccessibleUpdate& update) {
    const AccessibleTree before = std::exchange(tree_, update.tree);
    if (!update.announcement.empty()) {
        announcement_ = QString::fromStdString(update.announcement);
    }
    if (!QAccessible::isActive()) {
        return;
    }
    bool reordered = update.reordered;
    for (const int id : update.restated) {
        // A child that is something else now is met anew.
        if (before.child(id)->role != tree_.child(id)->role) {
            forget(id);
            reordered = true;
        } else if (exposed_.contains(id)) {
            QAccessible::State disabled;
            disabled.disabled = true;
            QAccessibleStateChangeEvent changed(interfaceFor(id), disabled);
            QAccessible::updateAccessibility(&changed);
        }
    }
    for (const int id : update.renamed) {
        if (exposed_.contains(id)) {
            tell(interfaceFor(id), QAccessible::NameChanged);
        }
    }
    if (reordered) {
        tell(QAccessible::queryAccessibleInterface(window_), QAccessible::ObjectReorder);
    }
    if (update.announcement.empty()) {
        return;
    }
    if (QAccessibleInterface* announcing = announcementInterface()) {
        tell(announcing, QAccessible::NameChanged);
        tell(announcing, QAccessible::ObjectShow);
    }
}

void FormAccessibility::pressLater(int id) {
    QMetaObject::invokeMethod(
        window_,
        [this, id] {
            if (Form* form = window_->form()) {
                form->pressAccessible(id);
            }
        },
        Qt::QueuedConnection);
}

void FormAccessibility::forget(int id) {
    const auto known = exposed_.find(id);
    if (known != exposed_.end()) {
        QAccessible::deleteAccessibleInterface(known->second);
        exposed_.erase(known);
    }
}

void FormAccessibility::clear() {
    for (const auto& [id, exposed] : exposed_) {
        QAccessible::deleteAccessibleInterface(exposed);
    }
    exposed_.clear();
    if (announcementId_) {
        QAccessible::deleteAccessibleInterface(*announcementId_);
        announcementId_.reset();
    }
    tree_ = {};
}

void installFormAccessibility() {
    QAccessible::installFactory(formAccessibleFactory);
}

}  // namespace platform
