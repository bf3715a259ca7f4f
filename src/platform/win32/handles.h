#pragma once

#include <bit>
#include <memory>
#include <type_traits>

#include "platform/win32/win32_api.h"

namespace platform::win32 {

// Every handle the window system creates is owned by one of these.
struct GdiObjectDeleter {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
struct MemoryDcDeleter {
    void operator()(HDC dc) const { DeleteDC(dc); }
};
struct IconDeleter {
    void operator()(HICON icon) const { DestroyIcon(icon); }
};
struct WindowDeleter {
    void operator()(HWND window) const { DestroyWindow(window); }
};
struct LibraryDeleter {
    void operator()(HMODULE library) const { FreeLibrary(library); }
};

template <class Handle, class Deleter>
using Owned = std::unique_ptr<std::remove_pointer_t<Handle>, Deleter>;

using OwnedBitmap = Owned<HBITMAP, GdiObjectDeleter>;
using OwnedFont = Owned<HFONT, GdiObjectDeleter>;
using OwnedBrush = Owned<HBRUSH, GdiObjectDeleter>;
using OwnedDc = Owned<HDC, MemoryDcDeleter>;
using OwnedIcon = Owned<HICON, IconDeleter>;
using OwnedWindow = Owned<HWND, WindowDeleter>;
using OwnedLibrary = Owned<HMODULE, LibraryDeleter>;

// A system library loaded where it is first needed rather than with the
// program: the first frame waits for none of what it does not draw.
inline OwnedLibrary systemLibrary(const wchar_t* name) {
    return OwnedLibrary(LoadLibraryExW(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
}

// The library's function of that name and type; none if it has none.
template <class Function>
Function* entryPoint(const OwnedLibrary& library, const char* name) {
    return library ? std::bit_cast<Function*>(GetProcAddress(library.get(), name)) : nullptr;
}

// A drawing object selected into a DC for as long as the guard lives.
class Selected {
  public:
    Selected(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;
    Selected(Selected&&) = delete;
    Selected& operator=(Selected&&) = delete;
    ~Selected() { SelectObject(dc_, previous_); }

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

// The screen's DC, for measuring.
class ScreenDc {
  public:
    ScreenDc() : dc_(GetDC(nullptr)) {}
    ScreenDc(const ScreenDc&) = delete;
    ScreenDc& operator=(const ScreenDc&) = delete;
    ScreenDc(ScreenDc&&) = delete;
    ScreenDc& operator=(ScreenDc&&) = delete;
    ~ScreenDc() { ReleaseDC(nullptr, dc_); }

    HDC get() const { return dc_; }

  private:
    HDC dc_;
};

inline OwnedBrush solidBrush(COLORREF colour) {
    return OwnedBrush(CreateSolidBrush(colour));
}

}  // namespace platform::win32
