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

#include "platform/qt/input.h"
#include "platform/qt/painter.h"
#include "platform/qt/window_frame.h"
#include "platform/qt/window_system.h"
#include "platform/runtime/drawing.h"
#include "platform/runtime/form.h"
#include "platform/runtime/scale.h"

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

QPoint pixelOf(const QMouseEvent* event) {
    return event->position().toPoint();
}

}  // namespace

FormWindow::FormWindow(Form& form, QtWindowSystem& system)
    : QWidget(nullptr, flagsFor(form.design().BorderStyle)), form_(&form), system_(&system) {
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

const Pictures& FormWindow::pictures() const {
    return system_->pictures();
}

void FormWindow::syncWithForm() {
    if (form_ == nullptr) {
        return;
    }
    setWindowTitle(QString::fromStdString(form_->windowTitle()));
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
        // Once screen readers have heard of the window coming forward, which
        // Qt tells them after this.
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (form_ != nullptr) {
                    form_->activated();
                }
            },
            Qt::QueuedConnection);
    }
    // The desktop took the pointer away from a press in the client area.
    const bool pointerTaken =
        event->type() == QEvent::WindowDeactivate || event->type() == QEvent::UngrabMouse;
    if (pointerTaken && buttonsHeldHere_ != Qt::NoButton && form_ != nullptr) {
        buttonsHeldHere_ = Qt::NoButton;
        form_->captureLost();
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
    frameTold();
    // Drawn in the screen's pixels, whatever the device pixel ratio.
    const Scale scale = Scale::fromFactor(devicePixelRatioF());
    const QRect dirty = event->rect();
    const PixelRect clip = scale.covering({dirty.x(), dirty.y(), dirty.width(), dirty.height()});
    QPainter painter(this);
    painter.scale(1.0 / scale.factor(), 1.0 / scale.factor());
    painter.setClipRect(clip.x, clip.y, clip.width, clip.height);
    paint(painter, drawForm(*form_, scale, clip), pictures());
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
        setWindowIcon(pictures().icon(form_->Icon()));
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
    event->setAccepted(form_ != nullptr && form_->keyTyped(typedKey(*event)));
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
    frameTold();
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

void FormWindow::frameTold() {
    const FrameMargins frame = frameMarginsOf(*this);
    const int borderStyle = form_->design().BorderStyle;
    const FrameMargins centredBy = system_->frameOf(borderStyle);
    // A window manager that has framed a window frames the next alike, and
    // tells none until it has framed it.
    if (frame == centredBy || frame == FrameMargins{}) {
        return;
    }
    system_->frameTold(borderStyle, frame);
    // The window was centred before its frame was known: it moves by the
    // difference that the frame makes to the centred place, which keeps the
    // steps it has moved since.
    const PixelRect before = form_->centredFrame(centredBy);
    const PixelRect after = form_->centredFrame(frame);
    form_->Left = form_->Left + toTwips(after.x - before.x);
    form_->Top = form_->Top + toTwips(after.y - before.y);
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

FormWindowView::FormWindowView(Form& form, QtWindowSystem& system)
    // NOLINTNEXTLINE(cppcoreguidelines-owning-memory): deleted later by Qt
    : window_(new FormWindow(form, system)) {}

FormWindowView::~FormWindowView() {
    window_->detach();
    window_->hide();
    window_->deleteLater();
}

void FormWindowView::repaint(const PixelRect& rect) {
    window_->update(rect.x, rect.y, rect.width, rect.height);
}

void FormWindowView::accessibilityChanged(const AccessibleUpdate& update) {
    window_->accessibility().update(update);
}

FormWindow* windowOf(const Form& form) {
    const auto* view = dynamic_cast<const FormWindowView*>(form.view());
    return view != nullptr ? &view->window() : nullptr;
}

}  // namespace platform
