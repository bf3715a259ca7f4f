#include "platform/win32/form_window.h"

#include <algorithm>
#include <array>
#include <stdexcept>

#include "platform/runtime/drawing.h"
#include "platform/win32/accessibility_libraries.h"
#include "platform/win32/accessible_object.h"
#include "platform/win32/dib.h"
#include "platform/win32/input.h"
#include "platform/win32/monitors.h"
#include "platform/win32/painter.h"
#include "platform/win32/pictures.h"
#include "platform/win32/tool_tip_class.h"
#include "platform/win32/wide.h"

namespace platform::win32 {

namespace {

constexpr const wchar_t* kClassName = L"ZumbiloForm";

class Painting {
  public:
    explicit Painting(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
    Painting(const Painting&) = delete;
    Painting& operator=(const Painting&) = delete;
    Painting(Painting&&) = delete;
    Painting& operator=(Painting&&) = delete;
    ~Painting() { EndPaint(window_, &paint_); }

    HDC dc() const { return dc_; }
    PixelRect area() const {
        const RECT& r = paint_.rcPaint;
        return {r.left, r.top, r.right - r.left, r.bottom - r.top};
    }

  private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

}  // namespace

void registerFormWindowClass() {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = FormWindow::procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kClassName;
    if (RegisterClassExW(&windowClass) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
        throw std::runtime_error("No se puede registrar la clase de las ventanas: " +
                                 lastErrorText());
    }
}

DWORD windowStyleFor(int borderStyle) {
    return borderStyle == 0 ? WS_POPUP : WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
}

FormWindow::FormWindow(Form& form, DrawingStores stores)
    : form_(&form),
      stores_(stores),
      title_(form.windowTitle()),
      backColour_(form.BackColor),
      scale_(scaleOf(monitorUnderPointer())) {
    // Made at its place and size on the monitor the form was centred on, at
    // that monitor's scale, which the window then has from the start. The
    // procedure takes the window's handle at its first message.
    const POINT place = onScreen(toPixels(form.Left), toPixels(form.Top));
    placesAsked_.push_back(place);
    const SIZE size = outerSizeAt(scale_);
    if (CreateWindowExW(0, kClassName, widen(title_).c_str(),
                        windowStyleFor(form.design().BorderStyle), place.x, place.y, size.cx,
                        size.cy, nullptr, nullptr, GetModuleHandleW(nullptr), this) == nullptr) {
        throw std::runtime_error("No se puede crear la ventana «" + title_ +
                                 "»: " + lastErrorText());
    }
    fitClientArea();
}

FormWindow::~FormWindow() {
    if (handle() != nullptr) {
        SetWindowLongPtrW(handle(), GWLP_USERDATA, 0);
    }
}

SIZE FormWindow::outerSizeAt(const Scale& scale) const {
    const int borderStyle = form_->design().BorderStyle;
    RECT outer{0, 0, scale.toScreen(toPixels(form_->design().ClientWidth)),
               scale.toScreen(toPixels(form_->design().ClientHeight))};
    AdjustWindowRectExForDpi(&outer, windowStyleFor(borderStyle), FALSE, 0,
                             static_cast<UINT>(scale.dpi()));
    return {outer.right - outer.left, outer.bottom - outer.top};
}

void FormWindow::fitClientArea() {
    // Where the system draws a frame other than it said (Wine keeps it at
    // 96 dpi), the client area still shows the whole form.
    RECT outer{};
    RECT client{};
    GetWindowRect(handle(), &outer);
    GetClientRect(handle(), &client);
    const int width = scale_.toScreen(toPixels(form_->design().ClientWidth));
    const int height = scale_.toScreen(toPixels(form_->design().ClientHeight));
    if (client.right != width || client.bottom != height) {
        asking_ = true;
        SetWindowPos(handle(), nullptr, 0, 0, outer.right - outer.left + width - client.right,
                     outer.bottom - outer.top + height - client.bottom,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        asking_ = false;
    }
}

POINT FormWindow::onScreen(int x, int y) const {
    return {movedTo_.x + scale_.toScreen(x - formMovedTo_.x),
            movedTo_.y + scale_.toScreen(y - formMovedTo_.y)};
}

void FormWindow::setIcons() {
    const Picture& icon = form_->Icon();
    if (icon.empty()) {
        return;
    }
    for (const auto& [which, metric] :
         {std::pair{ICON_BIG, SM_CXICON}, {ICON_SMALL, SM_CXSMICON}}) {
        SendMessageW(handle(), WM_SETICON, which,
                     reinterpret_cast<LPARAM>(
                         pictures().icon(icon, GetSystemMetricsForDpi(metric, scale_.dpi()))));
    }
}

void FormWindow::createToolTip(LPARAM pointer) {
    if (!stores_.toolTips.ready()) {
        return;  // the game plays on without tool tips
    }
    toolTip_.reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                   WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, handle(), nullptr,
                                   GetModuleHandleW(nullptr), nullptr));
    if (!toolTip_) {
        return;  // the game plays on without tool tips
    }
    // One tool over the whole client area, its text asked for each time it shows.
    TOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_SUBCLASS;
    tool.hwnd = handle();
    tool.uId = 1;
    tool.lpszText = LPSTR_TEXTCALLBACKW;
    GetClientRect(handle(), &tool.rect);
    SendMessageW(toolTip_.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    // It hears of the pointer's later moves itself; of this one it is told,
    // so that a pointer that stops here at once still gets its tip.
    POINT screen{GET_X_LPARAM(pointer), GET_Y_LPARAM(pointer)};
    ClientToScreen(handle(), &screen);
    MSG move{handle(), WM_MOUSEMOVE, 0, pointer, static_cast<DWORD>(GetMessageTime()), screen};
    SendMessageW(toolTip_.get(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&move));
}

void FormWindow::sync() {
    if (form_ == nullptr) {
        return;
    }
    if (form_->windowTitle() != title_) {
        title_ = form_->windowTitle();
        SetWindowTextW(handle(), widen(title_).c_str());
    }
    placeAsForm();
    if (form_->BackColor.get() != backColour_) {
        backColour_ = form_->BackColor;
        InvalidateRect(handle(), nullptr, FALSE);
    }
}

void FormWindow::show() const {
    ShowWindow(handle(), SW_SHOW);
}

void FormWindow::repaint(const PixelRect& rect) {
    const PixelRect shown = scale_.toScreen(rect);
    const RECT r{shown.x, shown.y, shown.x + shown.width, shown.y + shown.height};
    InvalidateRect(handle(), &r, FALSE);
}

void FormWindow::detach() {
    const AccessibleNode* status = accessibility_.tree().statusLine();
    if (status != nullptr) {
        accessibilityLibraries().forget(handle(), FormAccessibility::childIdOf(status->id));
    }
    form_ = nullptr;
    if (GetCapture() == handle()) {
        ReleaseCapture();
    }
    ShowWindow(handle(), SW_HIDE);
}

LRESULT CALLBACK FormWindow::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* created = static_cast<FormWindow*>(
            reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created));
        created->window_.reset(window);
    }
    auto* self = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    // Not owned by anyone yet while the constructor creates the window.
    const std::shared_ptr<FormWindow> alive = self->weak_from_this().lock();
    return self->onMessage(message, wParam, lParam);
}

LRESULT FormWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    HWND window = handle();
    const auto* const button = std::ranges::find(kButtonMessages, message, &ButtonMessage::message);
    if (button != kButtonMessages.end()) {
        if (button->down) {
            onButtonDown(button->button, lParam, wParam);
        } else {
            onButtonUp(button->button, lParam, wParam);
        }
        return 0;
    }
    switch (message) {
        case WM_PAINT:
            onPaint();
            return 0;
        case WM_ERASEBKGND:
            return 1;  // the paint covers every pixel
        case WM_PRINTCLIENT: {
            RECT client{};
            GetClientRect(handle(), &client);
            paint(reinterpret_cast<HDC>(wParam), {0, 0, client.right, client.bottom});
            return 0;
        }
        case WM_XBUTTONDOWN:
        case WM_XBUTTONUP:
            return TRUE;  // a mouse's back and forward buttons are not the form's
        case WM_MOUSEMOVE:
            onMouseMove(lParam, wParam);
            return 0;
        case WM_CHAR:
            if (form_ != nullptr && form_->keyTyped(typedKey(wParam))) {
                return 0;
            }
            break;
        case WM_CANCELMODE:
            onCaptureTaken();
            break;
        case WM_CAPTURECHANGED:
            if (!releasing_) {
                onCaptureTaken();
            }
            return 0;
        case WM_CLOSE:
            if (form_ != nullptr) {
                form_->closeRequested();
            }
            return 0;
        case WM_ENTERSIZEMOVE:
            playerMoving_ = true;
            break;
        case WM_EXITSIZEMOVE:
            playerMoving_ = false;
            break;
        case WM_MOVE:
            onMoved();
            break;
        case WM_NOTIFY:
            return onNotify(lParam);
        case WM_GETDPISCALEDSIZE:
            return onDpiScaledSize(wParam, lParam);
        case WM_DPICHANGED:
            return onDpiChanged(wParam, lParam);
        case WM_ACTIVATE:
            // Once screen readers have heard of the window coming forward.
            if (LOWORD(wParam) != WA_INACTIVE) {
                PostMessageW(handle(), kActivatedMessage, 0, 0);
            }
            break;
        case kActivatedMessage:
            if (form_ != nullptr) {
                form_->activated();
            }
            return 0;
        case WM_GETOBJECT:
            return onGetObject(wParam, lParam);
        case FormAccessibility::kPressMessage:
            accessibility_.onPress(wParam);
            return 0;
        case WM_NCDESTROY:
            // The system has destroyed the window, and its tool tip with it.
            static_cast<void>(toolTip_.release());
            static_cast<void>(window_.release());
            break;
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

void FormWindow::onPaint() {
    {
        const Painting painting(handle());
        paint(painting.dc(), painting.area());
    }
    // The taskbar's and the window switcher's icons once EndPaint has sent
    // the first frame on: loading and handing them over takes longer than
    // drawing it, and it does not need them.
    if (!iconsSet_ && form_ != nullptr) {
        iconsSet_ = true;
        setIcons();
    }
}

void FormWindow::paint(HDC dc, const PixelRect& area) const {
    if (form_ == nullptr || area.width <= 0 || area.height <= 0) {
        return;
    }
    // Drawn off screen, then copied at once: nothing flickers.
    const Dib buffer(area.width, area.height);
    const OwnedDc memory(CreateCompatibleDC(dc));
    if (buffer.empty() || !memory) {
        return;
    }
    const Selected selected(memory.get(), buffer.handle());
    SetViewportOrgEx(memory.get(), -area.x, -area.y, nullptr);
    win32::paint(memory.get(), drawForm(*form_, scale_, area), pictures(), fonts());
    SetViewportOrgEx(memory.get(), 0, 0, nullptr);
    BitBlt(dc, area.x, area.y, area.width, area.height, memory.get(), 0, 0, SRCCOPY);
}

void FormWindow::onButtonDown(int button, LPARAM lParam, WPARAM keys) {
    if (form_ == nullptr) {
        return;
    }
    // Every release comes back here, wherever the pointer is by then.
    SetCapture(handle());
    form_->mouseDown(scale_.toForm(GET_X_LPARAM(lParam)), scale_.toForm(GET_Y_LPARAM(lParam)),
                     button, shiftCode(keys));
}

void FormWindow::onButtonUp(int button, LPARAM lParam, WPARAM keys) {
    // Let go before the handlers run: a click may open a modal box, which
    // needs the pointer.
    if (buttonsCode(keys) == 0 && GetCapture() == handle()) {
        releasing_ = true;
        ReleaseCapture();
        releasing_ = false;
    }
    if (form_ != nullptr) {
        form_->mouseUp(scale_.toForm(GET_X_LPARAM(lParam)), scale_.toForm(GET_Y_LPARAM(lParam)),
                       button, shiftCode(keys));
    }
}

void FormWindow::onMouseMove(LPARAM lParam, WPARAM keys) {
    if (form_ == nullptr) {
        return;
    }
    const int x = scale_.toForm(GET_X_LPARAM(lParam));
    const int y = scale_.toForm(GET_Y_LPARAM(lParam));
    // A tip shown for one control goes when the pointer reaches another.
    std::optional<std::string> tip = form_->toolTipAt(x, y);
    if (tip != toolTipShown_ && toolTip_) {
        SendMessageW(toolTip_.get(), TTM_POP, 0, 0);
    }
    // Made when the pointer first reaches a control with a tip, not before
    // the first frame: a window that opens under the pointer hears of it
    // first, and most windows have no tips.
    if (tip && !toolTipAsked_) {
        toolTipAsked_ = true;
        createToolTip(lParam);
    }
    toolTipShown_ = std::move(tip);
    form_->mouseMove(x, y, buttonsCode(keys), shiftCode(keys));
}

void FormWindow::onCaptureTaken() {
    if (form_ != nullptr) {
        form_->captureLost();
    }
}

void FormWindow::placeAsForm() {
    // The form's place is in its own pixels, as a screen scaled like the
    // window would have it: its slide's steps grow with the scale. Compared
    // on the screen, where the window is.
    RECT outer{};
    GetWindowRect(handle(), &outer);
    const POINT wanted = onScreen(toPixels(form_->Left), toPixels(form_->Top));
    if (outer.left != wanted.x || outer.top != wanted.y) {
        placesAsked_.push_back(wanted);
        asking_ = true;
        SetWindowPos(handle(), nullptr, wanted.x, wanted.y, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        asking_ = false;
    }
}

bool FormWindow::askedBefore() const {
    RECT outer{};
    GetWindowRect(handle(), &outer);
    return std::ranges::any_of(placesAsked_, [&outer](const POINT& place) {
        return place.x == outer.left && place.y == outer.top;
    });
}

void FormWindow::onMoved() {
    // Only the player's moves (a drag by the title bar, or the system menu's
    // Move with the keys) are where later steps start from. Any other move the
    // window did not ask for changes nothing in the form. Under Wine with a
    // window manager it may be a late report of an earlier step of the slide,
    // even after the last: to a place asked before, the window goes back.
    if (asking_ || IsWindowVisible(handle()) == 0 || IsIconic(handle()) != 0 || form_ == nullptr) {
        return;
    }
    if (!playerMoving_) {
        if (askedBefore()) {
            placeAsForm();
        }
        return;
    }
    RECT outer{};
    GetWindowRect(handle(), &outer);
    movedTo_ = {outer.left, outer.top};
    formMovedTo_ = {scale_.toForm(outer.left), scale_.toForm(outer.top)};
    form_->windowMoved(formMovedTo_.x, formMovedTo_.y);
}

LRESULT FormWindow::onDpiScaledSize(WPARAM wParam, LPARAM lParam) const {
    // The size at the new scale, so that crossing onto a monitor of another
    // scale resizes the window once, to the right size.
    *reinterpret_cast<SIZE*>(lParam) = outerSizeAt(Scale(LOWORD(wParam)));
    return TRUE;
}

LRESULT FormWindow::onDpiChanged(WPARAM wParam, LPARAM lParam) {
    // Dragged onto a monitor of another scale: the system's suggested place,
    // the form drawn at the new scale, its place in the form's pixels there,
    // and the tool tips over the whole of the larger client area.
    scale_ = Scale(LOWORD(wParam));
    const auto* suggested = reinterpret_cast<const RECT*>(lParam);
    const SIZE size = outerSizeAt(scale_);
    asking_ = true;
    SetWindowPos(handle(), nullptr, suggested->left, suggested->top, size.cx, size.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    asking_ = false;
    fitClientArea();
    movedTo_ = {suggested->left, suggested->top};
    formMovedTo_ = {scale_.toForm(suggested->left), scale_.toForm(suggested->top)};
    if (form_ != nullptr) {
        form_->windowMoved(formMovedTo_.x, formMovedTo_.y);
    }
    if (toolTip_) {
        TOOLINFOW tool{};
        tool.cbSize = TTTOOLINFOW_V2_SIZE;
        tool.hwnd = handle();
        tool.uId = 1;
        GetClientRect(handle(), &tool.rect);
        SendMessageW(toolTip_.get(), TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    setIcons();
    InvalidateRect(handle(), nullptr, FALSE);
    return 0;
}

LRESULT FormWindow::onNotify(LPARAM lParam) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (form_ == nullptr || header->hwndFrom != toolTip_.get() ||
        header->code != TTN_GETDISPINFOW) {
        return 0;
    }
    POINT pointer{};
    GetCursorPos(&pointer);
    ScreenToClient(handle(), &pointer);
    const auto text = form_->toolTipAt(scale_.toForm(pointer.x), scale_.toForm(pointer.y));
    // Shown as it is, blanks included; none where there is no text.
    toolTipText_ = text ? widen(*text) : std::wstring();
    reinterpret_cast<NMTTDISPINFOW*>(lParam)->lpszText = toolTipText_.data();
    return 0;
}

LRESULT FormWindow::onGetObject(WPARAM wParam, LPARAM lParam) {
    // The system answers for the frame; the form's controls are in the client area.
    // Not owned by anyone yet while the constructor creates the window.
    const std::shared_ptr<FormWindow> self = weak_from_this().lock();
    if (static_cast<LONG>(lParam) != OBJID_CLIENT || form_ == nullptr || self == nullptr ||
        !stores_.accessibilityLibraries.ready()) {
        return DefWindowProcW(handle(), WM_GETOBJECT, wParam, lParam);
    }
    accessibility_.markLiveRegion();
    const ComReference<IAccessible> client = makeAccessibleObject(self);
    return stores_.accessibilityLibraries.answer(client.get(), wParam);
}

FormWindowView::FormWindowView(Form& form, DrawingStores stores)
    : window_(std::make_shared<FormWindow>(form, stores)) {}

FormWindowView::~FormWindowView() {
    window_->detach();
}

FormWindow* windowOf(const Form& form) {
    const auto* view = dynamic_cast<const FormWindowView*>(form.view());
    return view != nullptr ? &view->window() : nullptr;
}

}  // namespace platform::win32
