#include "platform/win32/form_window.h"

#include <algorithm>
#include <array>
#include <stdexcept>

#include "platform/runtime/mouse.h"
#include "platform/win32/accessibility_libraries.h"
#include "platform/win32/dib.h"
#include "platform/win32/form_accessible.h"
#include "platform/win32/form_painter.h"
#include "platform/win32/picture_store.h"
#include "platform/win32/tool_tip_class.h"
#include "platform/win32/wide.h"

namespace platform::win32 {

namespace {

constexpr const wchar_t* kClassName = L"ZumbiloForm";

bool held(int key) {
    return GetKeyState(key) < 0;
}

// Ctrl, Alt or the Windows key make a key the desktop's shortcut. AltGr,
// which types characters, comes as the right Alt with the left Ctrl.
bool shortcutHeld() {
    const bool altGr = held(VK_RMENU) && held(VK_LCONTROL);
    return held(VK_LWIN) || held(VK_RWIN) || (!altGr && (held(VK_CONTROL) || held(VK_MENU)));
}

int shiftCode(WPARAM keys) {
    return ((keys & MK_SHIFT) != 0 ? kShiftMask : 0) | ((keys & MK_CONTROL) != 0 ? kCtrlMask : 0) |
           (held(VK_MENU) ? kAltMask : 0);
}

// The three buttons the form knows, pressed and let go.
struct ButtonMessage {
    UINT message;
    int button;
    bool down;
};
constexpr std::array kButtonMessages{
    ButtonMessage{WM_LBUTTONDOWN, kLeftButton, true},
    ButtonMessage{WM_LBUTTONUP, kLeftButton, false},
    ButtonMessage{WM_RBUTTONDOWN, kRightButton, true},
    ButtonMessage{WM_RBUTTONUP, kRightButton, false},
    ButtonMessage{WM_MBUTTONDOWN, kMiddleButton, true},
    ButtonMessage{WM_MBUTTONUP, kMiddleButton, false},
};

int buttonsCode(WPARAM keys) {
    return ((keys & MK_LBUTTON) != 0 ? kLeftButton : 0) |
           ((keys & MK_RBUTTON) != 0 ? kRightButton : 0) |
           ((keys & MK_MBUTTON) != 0 ? kMiddleButton : 0);
}

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

FormWindow::FormWindow(Form& form, DrawingStores stores)
    : form_(&form), stores_(stores), caption_(form.Caption), backColour_(form.BackColor) {
    // Fixed single: a title bar that can minimise and close, never maximise
    // nor resize. None: no frame at all.
    const DWORD style = form.design().BorderStyle == 0
                            ? WS_POPUP
                            : WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    // Made at its place and size on the monitor the form was centred on, at
    // that monitor's scale, which the window then has from the start; only its
    // frame is added once known. The procedure takes the window's handle at
    // its first message.
    const DpiScale made = scaleOf(monitorUnderPointer());
    if (CreateWindowExW(0, kClassName, widen(caption_).c_str(), style,
                        made.toScreen(toPixels(form.Left)), made.toScreen(toPixels(form.Top)),
                        made.toScreen(toPixels(form.design().ClientWidth)),
                        made.toScreen(toPixels(form.design().ClientHeight)), nullptr, nullptr,
                        GetModuleHandleW(nullptr), this) == nullptr) {
        throw std::runtime_error("No se puede crear la ventana «" + caption_ +
                                 "»: " + lastErrorText());
    }
    placesAsked_.push_back({made.toScreen(toPixels(form.Left)), made.toScreen(toPixels(form.Top))});
    scale_ = DpiScale(static_cast<int>(GetDpiForWindow(handle())));
    const FrameMargins margins = fitToForm();
    form.frameTold(margins);
}

FormWindow::~FormWindow() {
    if (handle() != nullptr) {
        SetWindowLongPtrW(handle(), GWLP_USERDATA, 0);
    }
}

FrameMargins FormWindow::frame() const {
    RECT outer{};
    RECT client{};
    POINT origin{};
    GetWindowRect(handle(), &outer);
    GetClientRect(handle(), &client);
    ClientToScreen(handle(), &origin);
    return {origin.x - outer.left, origin.y - outer.top, outer.right - origin.x - client.right,
            outer.bottom - origin.y - client.bottom};
}

FrameMargins FormWindow::fitToForm() {
    // The frame is the system's; the client area shows the form at the
    // window's scale. The runtime places the form in its own pixels.
    const FrameMargins margins = frame();
    SetWindowPos(
        handle(), nullptr, 0, 0,
        scale_.toScreen(toPixels(form_->design().ClientWidth)) + margins.left + margins.right,
        scale_.toScreen(toPixels(form_->design().ClientHeight)) + margins.top + margins.bottom,
        SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    return {scale_.toForm(margins.left), scale_.toForm(margins.top), scale_.toForm(margins.right),
            scale_.toForm(margins.bottom)};
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
    if (form_->Caption.get() != caption_) {
        caption_ = form_->Caption;
        SetWindowTextW(handle(), widen(caption_).c_str());
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
        case WM_XBUTTONDOWN:
        case WM_XBUTTONUP:
            return TRUE;  // a mouse's back and forward buttons are not the form's
        case WM_MOUSEMOVE:
            onMouseMove(lParam, wParam);
            return 0;
        case WM_CHAR:
            if (onChar(wParam)) {
                return 0;
            }
            break;
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
        case WM_DPICHANGED:
            return onDpiChanged(wParam, lParam);
        case WM_ACTIVATE:
            if (LOWORD(wParam) != WA_INACTIVE) {
                accessibility_.windowActivated();
            }
            break;
        case WM_GETOBJECT:
            return onGetObject(wParam, lParam);
        case FormAccessibility::kPressMessage:
            accessibility_.onPress(wParam);
            return 0;
        case FormAccessibility::kSayMessage:
            accessibility_.onSay();
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
    paintFormScaled(memory.get(), *form_, pictures(), fonts(), scale_, area);
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
        ReleaseCapture();
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

bool FormWindow::onChar(WPARAM code) {
    // Only characters of one byte reach the form, as its key codes.
    if (form_ == nullptr || shortcutHeld() || code > 0xFF) {
        return false;
    }
    return form_->keyPress(static_cast<int>(code)) == 0;
}

void FormWindow::placeAsForm() {
    // The form's place is in its own pixels, as a screen scaled like the
    // window would have it: its slide's steps grow with the scale.
    RECT outer{};
    GetWindowRect(handle(), &outer);
    const int x = toPixels(form_->Left);
    const int y = toPixels(form_->Top);
    if (scale_.toForm(outer.left) != x || scale_.toForm(outer.top) != y) {
        placesAsked_.push_back({scale_.toScreen(x), scale_.toScreen(y)});
        asking_ = true;
        SetWindowPos(handle(), nullptr, scale_.toScreen(x), scale_.toScreen(y), 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        asking_ = false;
    }
}

void FormWindow::onMoved() {
    // Only the player's moves (a drag by the title bar, or the system menu's
    // Move with the keys) are where later steps start from. Any other move the
    // window did not ask for changes nothing in the form. Under Wine with a
    // window manager it may be a late report of an earlier step of the slide,
    // even after the last: to a place asked before, the window goes back.
    if (asking_ || form_ == nullptr || IsWindowVisible(handle()) == 0 || IsIconic(handle()) != 0) {
        return;
    }
    if (playerMoving_) {
        tellPlace();
    } else if (askedBefore()) {
        placeAsForm();
    }
}

bool FormWindow::askedBefore() const {
    RECT outer{};
    GetWindowRect(handle(), &outer);
    return std::ranges::any_of(placesAsked_, [&outer](const POINT& place) {
        return place.x == outer.left && place.y == outer.top;
    });
}

void FormWindow::tellPlace() {
    RECT outer{};
    GetWindowRect(handle(), &outer);
    const int x = scale_.toForm(outer.left);
    const int y = scale_.toForm(outer.top);
    if (form_ != nullptr && (x != toPixels(form_->Left) || y != toPixels(form_->Top))) {
        form_->windowMoved(x, y);
    }
}

LRESULT FormWindow::onDpiChanged(WPARAM wParam, LPARAM lParam) {
    // Dragged onto a monitor of another scale: the system's suggested place,
    // the form drawn at the new scale, and its place in the form's pixels at
    // that scale.
    scale_ = DpiScale(LOWORD(wParam));
    const auto* suggested = reinterpret_cast<const RECT*>(lParam);
    asking_ = true;
    SetWindowPos(handle(), nullptr, suggested->left, suggested->top,
                 suggested->right - suggested->left, suggested->bottom - suggested->top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    fitToForm();
    asking_ = false;
    setIcons();
    tellPlace();
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
    const ComReference<IAccessible> client = makeFormAccessible(self);
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
