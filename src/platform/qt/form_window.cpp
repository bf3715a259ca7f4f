#include "platform/qt/form_window.h"

#include <algorithm>
#include <iterator>

#include <QCloseEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QMoveEvent>
#include <QPainter>
#include <QScopedValueRollback>
#include <QToolTip>
#include <QWindow>

#include "platform/qt/form_painter.h"
#include "platform/qt/window_frame.h"
#include "platform/runtime/form.h"
#include "platform/runtime/mouse.h"

namespace platform {

namespace {

Qt::WindowFlags flagsFor(int borderStyle) {
    if (borderStyle == 0) {
        return Qt::Window | Qt::FramelessWindowHint;
    }
    // Fixed single: a title bar that can minimise and close, never maximise.
    return Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint;
}

int buttonCode(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return kLeftButton;
        case Qt::RightButton:
            return kRightButton;
        case Qt::MiddleButton:
            return kMiddleButton;
        default:
            return 0;
    }
}

int buttonsCode(Qt::MouseButtons buttons) {
    return ((buttons & Qt::LeftButton) != 0 ? kLeftButton : 0) |
           ((buttons & Qt::RightButton) != 0 ? kRightButton : 0) |
           ((buttons & Qt::MiddleButton) != 0 ? kMiddleButton : 0);
}

int shiftCode(Qt::KeyboardModifiers modifiers) {
    return ((modifiers & Qt::ShiftModifier) != 0 ? kShiftMask : 0) |
           ((modifiers & Qt::ControlModifier) != 0 ? kCtrlMask : 0) |
           ((modifiers & Qt::AltModifier) != 0 ? kAltMask : 0);
}

QPoint pixelOf(const QMouseEvent* event) {
    return event->position().toPoint();
}

}  // namespace

FormWindow::FormWindow(Form& form, const PictureStore& pictures)
    : QWidget(nullptr, flagsFor(form.design().BorderStyle)), form_(&form), pictures_(&pictures) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(toPixels(form.design().ClientWidth), toPixels(form.design().ClientHeight));
}

FormWindow::~FormWindow() {
    detach();
}

void FormWindow::detach() {
    form_ = nullptr;
    accessibility_.clear();
}

void FormWindow::syncWithForm() {
    if (form_ == nullptr) {
        return;
    }
    setWindowTitle(QString::fromStdString(form_->Caption));
    const QPoint place(toPixels(form_->Left), toPixels(form_->Top));
    if (framePositionOf(*this) != place) {
        {
            const QScopedValueRollback<bool> asking(asking_, true);
            moveFrameTo(*this, place);
        }
        placesAsked_.push_back({geometry().topLeft(), isVisible()});
    }
    update();
}

bool FormWindow::event(QEvent* event) {
    if (event->type() == QEvent::Show && windowHandle() != nullptr) {
        // Once, however often the window is shown.
        windowHandle()->installEventFilter(this);
    }
    if (event->type() == QEvent::WindowActivate) {
        accessibility_.windowActivated();
    }
    if (event->type() == QEvent::ToolTip && form_ != nullptr) {
        const auto* help = static_cast<QHelpEvent*>(event);
        const auto text = form_->toolTipAt(help->pos().x(), help->pos().y());
        if (text) {
            // Plain text, shown as it is, blanks included.
            QToolTip::showText(help->globalPos(), QString::fromStdString(*text), this);
        } else {
            QToolTip::hideText();
        }
        return true;
    }
    return QWidget::event(event);
}

void FormWindow::paintEvent(QPaintEvent* event) {
    if (form_ == nullptr) {
        return;
    }
    // A window manager may tell the frame after the window is shown without
    // moving it; the first frame drawn then places it by the frame.
    form_->frameTold(frameMarginsOf(*this));
    QPainter painter(this);
    paintForm(painter, *form_, *pictures_, event->rect());
    if (!iconAsked_) {
        iconAsked_ = true;
        QMetaObject::invokeMethod(
            this, [this] { showIcon(); }, Qt::QueuedConnection);
    }
}

void FormWindow::showIcon() {
    // Decoding the icon's sizes and handing them to the window system takes
    // longer than drawing the first frame, which does not need them.
    if (form_ != nullptr && !form_->Icon().empty()) {
        setWindowIcon(pictures_->icon(form_->Icon()));
    }
}

void FormWindow::mousePressEvent(QMouseEvent* event) {
    buttonsHeldHere_ = event->buttons();
    if (form_ != nullptr) {
        const QPoint p = pixelOf(event);
        form_->mouseDown(p.x(), p.y(), buttonCode(event->button()), shiftCode(event->modifiers()));
    }
}

void FormWindow::mouseDoubleClickEvent(QMouseEvent* event) {
    // A quick second press is just another press.
    mousePressEvent(event);
}

void FormWindow::mouseMoveEvent(QMouseEvent* event) {
    if (form_ != nullptr) {
        const QPoint p = pixelOf(event);
        form_->mouseMove(p.x(), p.y(), buttonsCode(event->buttons()),
                         shiftCode(event->modifiers()));
    }
}

void FormWindow::mouseReleaseEvent(QMouseEvent* event) {
    buttonsHeldHere_ = event->buttons();
    if (form_ != nullptr) {
        const QPoint p = pixelOf(event);
        form_->mouseUp(p.x(), p.y(), buttonCode(event->button()), shiftCode(event->modifiers()));
    }
}

void FormWindow::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    // Only keys that type a character reach the form, as character codes.
    // Held with Ctrl, Alt or the logo key they are the desktop's shortcuts;
    // AltGr types characters and is none of these.
    constexpr Qt::KeyboardModifiers shortcut =
        Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if (form_ == nullptr || (event->modifiers() & shortcut) != 0 || text.isEmpty() ||
        text.at(0).unicode() > 0xFF) {
        event->ignore();
        return;
    }
    const int code = text.at(0).unicode();
    if (form_->keyPress(code) == 0) {
        event->accept();
    } else {
        event->ignore();
    }
}

void FormWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (form_ != nullptr) {
        form_->closeRequested();
    }
}

void FormWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (form_ == nullptr || !isVisible() || asking_) {
        return;
    }
    const bool asked =
        lastReport_ && lastReport_->client == geometry().topLeft() && lastReport_->asked;
    form_->frameTold(frameMarginsOf(*this));
    if (asked) {
        // A busy window manager may report a move after newer ones were asked,
        // and goes on to carry them out: the widget must not think itself at
        // the older place, or a step back to it would ask for nothing.
        if (!placesAsked_.empty()) {
            const QScopedValueRollback<bool> asking(asking_, true);
            setGeometry(QRect(placesAsked_.back().client, size()));
        }
        return;
    }
    if (pointerButtonHeldElsewhere(buttonsHeldHere_)) {
        // The player drags the window by its title bar: later moves start
        // from here, and frameTold has already answered a new frame.
        const QPoint place = framePositionOf(*this);
        form_->windowMoved(place.x(), place.y());
    } else if (!placed_) {
        // The window manager moved the new window on its own, maybe to where
        // the window asked to be before the frame was known or before its
        // latest steps: the window goes where the form has it.
        syncWithForm();
    }
    // Else the window manager carries out late a move asked for before the
    // frame was known, which the moves asked since follow, or the player moves
    // the window by the keyboard: neither moves the form's place.
}

bool FormWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == windowHandle() && event->type() == QEvent::Move) {
        const QPoint client = static_cast<QMoveEvent*>(event)->pos();
        lastReport_ = Report{client, reportsMoveAsked(client)};
    }
    return QWidget::eventFilter(watched, event);
}

bool FormWindow::reportsMoveAsked(QPoint client) {
    const auto asked =
        std::find_if(placesAsked_.begin(), placesAsked_.end(),
                     [client](const PlaceAsked& place) { return place.client == client; });
    if (asked == placesAsked_.end()) {
        return false;
    }
    placed_ = placed_ || asked->whileShown;
    // Moves asked before it will not be reported any more.
    placesAsked_.erase(placesAsked_.begin(), std::next(asked));
    return true;
}

bool FormWindow::focusNextPrevChild(bool /*next*/) {
    // Tab is a key like any other for the form.
    return false;
}

FormWindowView::FormWindowView(Form& form, const PictureStore& pictures)
    // NOLINTNEXTLINE(cppcoreguidelines-owning-memory): deleted later by Qt
    : window_(new FormWindow(form, pictures)) {}

FormWindowView::~FormWindowView() {
    window_->detach();
    window_->hide();
    window_->deleteLater();
}

void FormWindowView::repaint(const PixelRect& rect) {
    window_->update(rect.x, rect.y, rect.width, rect.height);
}

void FormWindowView::nameMayHaveChanged(const PointerControl& control) {
    window_->accessibility().nameMayHaveChanged(control);
}

void FormWindowView::announce(const std::string& text) {
    window_->accessibility().announce(text);
}

FormWindow* windowOf(const Form& form) {
    const auto* view = dynamic_cast<const FormWindowView*>(form.view());
    return view != nullptr ? &view->window() : nullptr;
}

}  // namespace platform
