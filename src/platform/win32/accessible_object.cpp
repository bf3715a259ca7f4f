#include "platform/win32/accessible_object.h"

#include <atomic>
#include <string>

#include "platform/runtime/form.h"
#include "platform/win32/form_window.h"
#include "platform/win32/wide.h"

namespace platform::win32 {

namespace {

constexpr const wchar_t* kPressAction = L"Press";

// What VariantInit does, without loading OLE's automation library for it.
void clear(VARIANT* out) {
    out->vt = VT_EMPTY;
}

HRESULT giveLong(long value, VARIANT* out) {
    out->vt = VT_I4;
    out->lVal = value;
    return S_OK;
}

long roleOf(AccessibleRole role) {
    switch (role) {
        case AccessibleRole::StatusBar:
            return ROLE_SYSTEM_STATUSBAR;
        case AccessibleRole::Button:
            return ROLE_SYSTEM_PUSHBUTTON;
        case AccessibleRole::StaticText:
            return ROLE_SYSTEM_STATICTEXT;
        case AccessibleRole::Graphic:
            return ROLE_SYSTEM_GRAPHIC;
    }
    return ROLE_SYSTEM_CLIENT;
}

// The client area, its children simple elements numbered by their ids, and
// the enumeration of them in reading order. Every [out] value is set on every
// path, as callers may read it whatever the result.
class AccessibleObject final : public IAccessible, public IEnumVARIANT {
  public:
    explicit AccessibleObject(std::weak_ptr<FormWindow> window, ULONG position = 0)
        : window_(std::move(window)), position_(position) {}

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** out) override {
        if (out == nullptr) {
            return E_POINTER;
        }
        *out = nullptr;
        if (id == __uuidof(IUnknown) || id == __uuidof(IDispatch) || id == __uuidof(IAccessible)) {
            *out = static_cast<IAccessible*>(this);
        } else if (id == __uuidof(IEnumVARIANT)) {
            *out = static_cast<IEnumVARIANT*>(this);
        } else {
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
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
                                          ITypeInfo** out) override {
        *out = nullptr;
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
        *out = nullptr;
        const auto window = attached();
        return window != nullptr ? window->accessibilityLibraries().frameOf(window->handle(), out)
                                 : E_FAIL;
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override {
        *count = static_cast<long>(children().size());
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
        *out = nullptr;
        return node(child) != nullptr ? S_FALSE : E_INVALIDARG;
    }

    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* out) override {
        *out = nullptr;
        const auto window = attached();
        if (window == nullptr) {
            return E_FAIL;
        }
        if (isSelf(child)) {
            return give(*window, window->accessibility().tree().name, out);
        }
        const AccessibleNode* named = node(child);
        return named != nullptr ? give(*window, named->name, out) : E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* out) override {
        return textOf(child, &AccessibleNode::value, out);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* out) override {
        return textOf(child, &AccessibleNode::description, out);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* out) override {
        clear(out);
        if (isSelf(child)) {
            return giveLong(ROLE_SYSTEM_CLIENT, out);
        }
        const AccessibleNode* shown = node(child);
        return shown != nullptr ? giveLong(roleOf(shown->role), out) : E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* out) override {
        clear(out);
        if (isSelf(child)) {
            return giveLong(0, out);
        }
        const AccessibleNode* shown = node(child);
        if (shown == nullptr) {
            return E_INVALIDARG;
        }
        const bool unavailable = shown->role == AccessibleRole::Button && !shown->pressable;
        return giveLong(unavailable ? STATE_SYSTEM_UNAVAILABLE : 0, out);
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
        *out = nullptr;
        const auto window = attached();
        const AccessibleNode* pressed = node(child);
        if (pressed == nullptr) {
            return isSelf(child) ? S_FALSE : E_INVALIDARG;
        }
        return pressed->pressable ? give(*window, narrow(kPressAction), out) : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE accSelect(long /*flags*/, VARIANT /*child*/) override {
        return DISP_E_MEMBERNOTFOUND;
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* x, long* y, long* width, long* height,
                                          VARIANT child) override {
        *x = *y = *width = *height = 0;
        const auto window = attached();
        if (window == nullptr) {
            return E_FAIL;
        }
        RECT r{};
        if (const AccessibleNode* placed = node(child)) {
            const PixelRect shown = window->scale().toScreen(placed->bounds);
            r = {shown.x, shown.y, shown.x + shown.width, shown.y + shown.height};
        } else if (isSelf(child)) {
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
    // A point outside the client area is none of its business.
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* out) override {
        clear(out);
        const auto window = attached();
        if (window == nullptr) {
            return E_FAIL;
        }
        POINT point{x, y};
        ScreenToClient(window->handle(), &point);
        RECT client{};
        GetClientRect(window->handle(), &client);
        if (PtInRect(&client, point) == 0) {
            return S_FALSE;
        }
        const AccessibleNode* hit = window->accessibility().tree().childAt(
            *window->form(), window->scale().toForm(point.x), window->scale().toForm(point.y));
        return giveLong(hit != nullptr ? FormAccessibility::childIdOf(hit->id) : CHILDID_SELF, out);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        const auto window = attached();
        const AccessibleNode* pressed = node(child);
        if (pressed == nullptr) {
            return E_INVALIDARG;
        }
        if (!pressed->pressable) {
            return DISP_E_MEMBERNOTFOUND;
        }
        window->accessibility().pressLater(pressed->id);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT /*child*/, BSTR /*name*/) override {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT /*child*/, BSTR /*value*/) override {
        return E_NOTIMPL;
    }

    // The children's numbers in reading order, for AccessibleChildren.
    HRESULT STDMETHODCALLTYPE Next(ULONG count, VARIANT* out, ULONG* fetched) override {
        const auto all = children();
        ULONG given = 0;
        for (; given < count && position_ < all.size(); ++given, ++position_) {
            giveLong(FormAccessibility::childIdOf(all[position_].id), &out[given]);
        }
        if (fetched != nullptr) {
            *fetched = given;
        }
        return given == count ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE Skip(ULONG count) override {
        const auto size = static_cast<ULONG>(children().size());
        position_ = std::min(position_ + count, size);
        return position_ < size ? S_OK : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE Reset() override {
        position_ = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE Clone(IEnumVARIANT** out) override {
        *out = new AccessibleObject(window_, position_);
        return S_OK;
    }

  private:
    // Deleted by its last Release alone.
    ~AccessibleObject() = default;

    static bool isSelf(const VARIANT& child) {
        return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
    }

    // The window while it shows a form; none once the form is unloaded.
    std::shared_ptr<FormWindow> attached() const {
        auto window = window_.lock();
        return window != nullptr && window->form() != nullptr ? window : nullptr;
    }
    std::vector<AccessibleNode> children() const {
        const auto window = attached();
        return window != nullptr ? window->accessibility().tree().children
                                 : std::vector<AccessibleNode>{};
    }
    const AccessibleNode* node(const VARIANT& child) const {
        const auto window = attached();
        return window != nullptr && child.vt == VT_I4 ? window->accessibility().child(child.lVal)
                                                      : nullptr;
    }

    // BSTRs belong to the caller once returned; none for an empty text.
    static HRESULT give(const FormWindow& window, const std::string& text, BSTR* out) {
        *out = text.empty() ? nullptr : window.accessibilityLibraries().string(widen(text));
        return text.empty() ? S_FALSE : (*out != nullptr ? S_OK : E_OUTOFMEMORY);
    }
    HRESULT textOf(const VARIANT& child, std::string AccessibleNode::*text, BSTR* out) const {
        *out = nullptr;
        const auto window = attached();
        if (window == nullptr) {
            return E_FAIL;
        }
        if (isSelf(child)) {
            return S_FALSE;
        }
        const AccessibleNode* shown = node(child);
        return shown != nullptr ? give(*window, shown->*text, out) : E_INVALIDARG;
    }

    std::weak_ptr<FormWindow> window_;
    std::atomic<ULONG> references_{1};
    ULONG position_;
};

}  // namespace

ComReference<IAccessible> makeAccessibleObject(const std::shared_ptr<FormWindow>& window) {
    return ComReference<IAccessible>(new AccessibleObject(window));
}

}  // namespace platform::win32
