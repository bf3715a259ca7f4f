#include "platform/win32/form_accessible.h"

#include <atomic>
#include <string>

#include "platform/runtime/form.h"
#include "platform/runtime/label.h"
#include "platform/win32/accessibility_libraries.h"
#include "platform/win32/form_window.h"
#include "platform/win32/wide.h"

namespace platform::win32 {

namespace {

constexpr const wchar_t* kPressAction = L"Press";

// BSTRs belong to the caller once returned.
HRESULT giveString(const FormWindow& window, const std::string& text, BSTR* out) {
    if (out == nullptr) {
        return E_POINTER;
    }
    *out = text.empty() ? nullptr : window.accessibilityLibraries().string(widen(text));
    return text.empty() ? S_FALSE : (*out != nullptr ? S_OK : E_OUTOFMEMORY);
}

// What VariantInit does, without loading OLE's automation library for it.
void clear(VARIANT* out) {
    out->vt = VT_EMPTY;
}

HRESULT giveLong(long value, VARIANT* out) {
    if (out == nullptr) {
        return E_POINTER;
    }
    clear(out);
    out->vt = VT_I4;
    out->lVal = value;
    return S_OK;
}

// The client area, its children simple elements numbered from 1 front to back.
class FormAccessible final : public IAccessible {
  public:
    explicit FormAccessible(const std::shared_ptr<FormWindow>& window) : window_(window) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** out) override {
        if (out == nullptr) {
            return E_POINTER;
        }
        if (id == __uuidof(IUnknown) || id == __uuidof(IDispatch) || id == __uuidof(IAccessible)) {
            *out = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
    ULONG STDMETHODCALLTYPE Release() override {
        const ULONG left = --references_;
        if (left == 0) {
            delete this;
        }
        return left;
    }

    // Read through IAccessible alone, never through type information.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT /*info*/, LCID /*locale*/,
                                          ITypeInfo** /*out*/) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID /*id*/, LPOLESTR* /*names*/, UINT /*count*/,
                                            LCID /*locale*/, DISPID* /*out*/) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID /*member*/, REFIID /*id*/, LCID /*locale*/,
                                     WORD /*flags*/, DISPPARAMS* /*parameters*/,
                                     VARIANT* /*result*/, EXCEPINFO* /*exception*/,
                                     UINT* /*argument*/) override {
        return E_NOTIMPL;
    }

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** out) override {
        const auto window = window_.lock();
        if (window == nullptr) {
            return E_FAIL;
        }
        return window->accessibilityLibraries().frameOf(window->handle(), out);
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
        const auto window = window_.lock();
        *count =
            window != nullptr ? static_cast<long>(window->accessibility().controls().size()) : 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
        *out = nullptr;
        return control(child) != nullptr ? S_FALSE : E_INVALIDARG;
    }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* out) override {
        const auto window = window_.lock();
        if (window == nullptr || window->form() == nullptr) {
            return E_FAIL;
        }
        if (isSelf(child)) {
            const Form& form = *window->form();
            return giveString(*window,
                              form.design().AccessibleName.empty() ? form.Caption.get()
                                                                   : form.design().AccessibleName,
                              out);
        }
        const PointerControl* named = control(child);
        return named != nullptr ? giveString(*window, nameOf(*named), out) : E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* out) override {
        // The status line's value is what it announced last.
        const auto window = window_.lock();
        const PointerControl* status = control(child);
        const auto* label = dynamic_cast<const Label*>(status);
        if (label == nullptr || !label->StatusLine) {
            return status != nullptr || isSelf(child) ? S_FALSE : E_INVALIDARG;
        }
        return giveString(*window, window->accessibility().announcement(), out);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* out) override {
        const auto window = window_.lock();
        const PointerControl* described = control(child);
        return described != nullptr ? giveString(*window, described->ToolTipText, out) : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* out) override {
        if (isSelf(child)) {
            return giveLong(ROLE_SYSTEM_CLIENT, out);
        }
        const PointerControl* shown = control(child);
        return shown != nullptr ? giveLong(roleOf(*shown), out) : E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* out) override {
        const auto window = window_.lock();
        if (isSelf(child)) {
            return giveLong(0, out);
        }
        const PointerControl* shown = control(child);
        if (shown == nullptr) {
            return E_INVALIDARG;
        }
        long state = shown->Visible ? 0 : STATE_SYSTEM_INVISIBLE;
        if (shown->onClick && !window->accessibility().pressable(*shown)) {
            state |= STATE_SYSTEM_UNAVAILABLE;
        }
        return giveLong(state, out);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT /*child*/, BSTR* out) override {
        *out = nullptr;
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT /*child*/,
                                               long* topic) override {
        *file = nullptr;
        *topic = 0;
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT /*child*/, BSTR* out) override {
        *out = nullptr;
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* out) override {
        clear(out);
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* out) override {
        clear(out);
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* out) override {
        const auto window = window_.lock();
        const PointerControl* pressed = control(child);
        *out = pressed != nullptr && window->accessibility().pressable(*pressed)
                   ? window->accessibilityLibraries().string(kPressAction)
                   : nullptr;
        return *out != nullptr ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE accSelect(long /*flags*/, VARIANT /*child*/) override {
        return DISP_E_MEMBERNOTFOUND;
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* x, long* y, long* width, long* height,
                                          VARIANT child) override {
        const auto window = window_.lock();
        const PointerControl* placed = control(child);
        RECT r{};
        if (placed != nullptr) {
            const PixelRect shown = window->scale().toScreen(placed->pixelRect());
            r = {shown.x, shown.y, shown.x + shown.width, shown.y + shown.height};
        } else if (isSelf(child) && window != nullptr) {
            GetClientRect(window->handle(), &r);
        } else {
            return E_INVALIDARG;
        }
        MapWindowPoints(window->handle(), nullptr, reinterpret_cast<POINT*>(&r), 2);
        *x = r.left;
        *y = r.top;
        *width = r.right - r.left;
        *height = r.bottom - r.top;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long /*direction*/, VARIANT /*start*/,
                                          VARIANT* out) override {
        clear(out);
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* out) override {
        const auto window = window_.lock();
        if (window == nullptr || window->form() == nullptr) {
            return E_FAIL;
        }
        POINT point{x, y};
        ScreenToClient(window->handle(), &point);
        const PointerControl* hit = window->form()->controlAt(window->scale().toForm(point.x),
                                                              window->scale().toForm(point.y));
        return giveLong(hit != nullptr ? window->accessibility().childId(*hit) : CHILDID_SELF, out);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        const auto window = window_.lock();
        const PointerControl* pressed = control(child);
        if (pressed == nullptr || !window->accessibility().pressable(*pressed)) {
            return DISP_E_MEMBERNOTFOUND;
        }
        window->accessibility().pressLater(*pressed);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT /*child*/, BSTR /*name*/) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT /*child*/, BSTR /*value*/) override {
        return E_NOTIMPL;
    }

  private:
    // Deleted by its last Release alone.
    ~FormAccessible() = default;

    static bool isSelf(const VARIANT& child) {
        return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
    }

    // The control that the child number names now; none for the window
    // itself, an unloaded form or a number out of range.
    const PointerControl* control(const VARIANT& child) const {
        const auto window = window_.lock();
        return window != nullptr && child.vt == VT_I4 ? window->accessibility().child(child.lVal)
                                                      : nullptr;
    }

    static std::string nameOf(const PointerControl& control) {
        if (control.accessibleName) {
            return control.accessibleName();
        }
        const auto* label = dynamic_cast<const Label*>(&control);
        const std::string caption = label != nullptr ? label->Caption.get() : std::string();
        return caption.empty() ? trimmed(control.ToolTipText) : caption;
    }

    static std::string trimmed(const std::string& text) {
        const auto first = text.find_first_not_of(" \t\r\n");
        const auto last = text.find_last_not_of(" \t\r\n");
        return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
    }

    static long roleOf(const PointerControl& control) {
        const auto* label = dynamic_cast<const Label*>(&control);
        if (label != nullptr && label->StatusLine) {
            return ROLE_SYSTEM_STATUSBAR;
        }
        if (control.onClick) {
            return ROLE_SYSTEM_PUSHBUTTON;
        }
        return label != nullptr ? ROLE_SYSTEM_STATICTEXT : ROLE_SYSTEM_GRAPHIC;
    }

    std::weak_ptr<FormWindow> window_;
    std::atomic<ULONG> references_{1};
};

}  // namespace

ComReference<IAccessible> makeFormAccessible(const std::shared_ptr<FormWindow>& window) {
    return ComReference<IAccessible>(new FormAccessible(window));
}

}  // namespace platform::win32
