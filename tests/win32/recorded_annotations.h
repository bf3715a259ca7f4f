#pragma once

#include <oleacc.h>

#include <vector>

// Stands in, for this process, for the system's IAccPropServices: keeps the
// annotations asked for, which Wine's own does not take.
class RecordedAnnotations final : public IAccPropServices, public IClassFactory {
  public:
    struct Annotation {
        HWND window;
        DWORD object;
        DWORD child;
        MSAAPROPID property;
        long value;
    };

    static constexpr IID kIAccPropServices{
        0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};

    RecordedAnnotations() {
        constexpr CLSID kAccPropServices{
            0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        CoRegisterClassObject(kAccPropServices, static_cast<IClassFactory*>(this),
                              CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &cookie_);
    }
    RecordedAnnotations(const RecordedAnnotations&) = delete;
    RecordedAnnotations& operator=(const RecordedAnnotations&) = delete;
    RecordedAnnotations(RecordedAnnotations&&) = delete;
    RecordedAnnotations& operator=(RecordedAnnotations&&) = delete;
    ~RecordedAnnotations() { CoRevokeClassObject(cookie_); }

    std::vector<Annotation> annotations;

    HRESULT WINAPI QueryInterface(REFIID id, void** out) override {
        *out = id == __uuidof(IClassFactory) || id == __uuidof(IUnknown)
                   ? static_cast<void*>(static_cast<IClassFactory*>(this))
               : id == kIAccPropServices ? static_cast<void*>(static_cast<IAccPropServices*>(this))
                                         : nullptr;
        return *out != nullptr ? S_OK : E_NOINTERFACE;
    }
    ULONG WINAPI AddRef() override { return 2; }  // lives on the test's stack
    ULONG WINAPI Release() override { return 1; }
    HRESULT WINAPI CreateInstance(IUnknown* /*outer*/, REFIID id, void** out) override {
        return QueryInterface(id, out);
    }
    HRESULT WINAPI LockServer(BOOL /*lock*/) override { return S_OK; }

    HRESULT WINAPI SetHwndProp(HWND window, DWORD object, DWORD child, MSAAPROPID property,
                               VARIANT value) override {
        annotations.push_back({window, object, child, property, value.lVal});
        return S_OK;
    }
    HRESULT WINAPI ClearHwndProps(HWND, DWORD, DWORD, const MSAAPROPID*, int) override {
        return S_OK;
    }
    // NOLINTBEGIN(readability-named-parameter): what the game never asks for
    HRESULT WINAPI SetPropValue(const BYTE*, DWORD, MSAAPROPID, VARIANT) override {
        return E_NOTIMPL;
    }
    HRESULT WINAPI SetPropServer(const BYTE*, DWORD, const MSAAPROPID*, int, IAccPropServer*,
                                 AnnoScope) override {
        return E_NOTIMPL;
    }
    HRESULT WINAPI ClearProps(const BYTE*, DWORD, const MSAAPROPID*, int) override {
        return E_NOTIMPL;
    }
    HRESULT WINAPI SetHwndPropStr(HWND, DWORD, DWORD, MSAAPROPID, LPCWSTR) override {
        return E_NOTIMPL;
    }
    HRESULT WINAPI SetHwndPropServer(HWND, DWORD, DWORD, const MSAAPROPID*, int, IAccPropServer*,
                                     AnnoScope) override {
        return E_NOTIMPL;
    }
    HRESULT WINAPI ComposeHwndIdentityString(HWND, DWORD, DWORD, BYTE**, DWORD*) override {
        return E_NOTIMPL;
    }
    HRESULT WINAPI DecomposeHwndIdentityString(const BYTE*, DWORD, HWND*, DWORD*, DWORD*) override {
        return E_NOTIMPL;
    }
    HRESULT WINAPI SetHmenuProp(HMENU, DWORD, MSAAPROPID, VARIANT) override { return E_NOTIMPL; }
    HRESULT WINAPI SetHmenuPropStr(HMENU, DWORD, MSAAPROPID, LPCWSTR) override { return E_NOTIMPL; }
    HRESULT WINAPI SetHmenuPropServer(HMENU, DWORD, const MSAAPROPID*, int, IAccPropServer*,
                                      AnnoScope) override {
        return E_NOTIMPL;
    }
    HRESULT WINAPI ClearHmenuProps(HMENU, DWORD, const MSAAPROPID*, int) override {
        return E_NOTIMPL;
    }
    HRESULT WINAPI ComposeHmenuIdentityString(HMENU, DWORD, BYTE**, DWORD*) override {
        return E_NOTIMPL;
    }
    HRESULT WINAPI DecomposeHmenuIdentityString(const BYTE*, DWORD, HMENU*, DWORD*) override {
        return E_NOTIMPL;
    }
    // NOLINTEND(readability-named-parameter)

  private:
    DWORD cookie_ = 0;
};
