// The baseline of the Windows benchmarks: the floor of a window with captions
// on Win32, as the Linux baseline is on Qt. A white borderless window the size
// of the start-up window, centred on the screen, draws one of the program's
// pictures from its resources and a word in each of the start-up window's two
// caption faces. Under Wine these are the stand-ins the program draws with,
// Carlito for "Calibri" and Liberation Sans for "Arial". It carries the
// program's title for the start-up window, so that one script measures either.

#include <array>
#include <cstddef>
#include <cstring>
#include <span>

#include "platform/win32/handles.h"

namespace {

using platform::win32::OwnedFont;
using platform::win32::Selected;

constexpr int kWidth = 521;
constexpr int kHeight = 297;
constexpr int kFacePixels = 24;
constexpr std::array kFaces{L"Carlito", L"Liberation Sans"};

// A bitmap file stored whole as a resource, drawn at its own size.
class Picture {
  public:
    explicit Picture(const wchar_t* name) {
        HRSRC found = FindResourceW(nullptr, name, MAKEINTRESOURCEW(10));  // RT_RCDATA
        if (found != nullptr) {
            // Resources live as long as the program; nothing to free.
            bytes_ =
                std::span(static_cast<const std::byte*>(LockResource(LoadResource(nullptr, found))),
                          SizeofResource(nullptr, found));
        }
    }

    void draw(HDC dc, int x, int y) const {
        BITMAPFILEHEADER file{};
        if (bytes_.size() < sizeof file + sizeof(BITMAPINFOHEADER)) {
            return;
        }
        std::memcpy(&file, bytes_.data(), sizeof file);
        // The header and the pixels stay where the resource has them.
        // NOLINTNEXTLINE(cppcoreguidelines-pro-type-reinterpret-cast)
        const auto* info = reinterpret_cast<const BITMAPINFO*>(bytes_.subspan(sizeof file).data());
        const LONG height = info->bmiHeader.biHeight;
        SetDIBitsToDevice(dc, x, y, info->bmiHeader.biWidth, height, 0, 0, 0, height,
                          bytes_.subspan(file.bfOffBits).data(), info, DIB_RGB_COLORS);
    }

  private:
    std::span<const std::byte> bytes_;
};

struct Window {
    Picture picture{L"LOGO.BMP"};
    std::array<OwnedFont, kFaces.size()> faces{};
};

OwnedFont face(const wchar_t* family) {
    LOGFONTW wanted{};
    wanted.lfHeight = -kFacePixels;
    wanted.lfWeight = FW_NORMAL;
    wanted.lfCharSet = DEFAULT_CHARSET;
    wanted.lfQuality = ANTIALIASED_QUALITY;
    lstrcpynW(wanted.lfFaceName, family, LF_FACESIZE);
    return OwnedFont(CreateFontIndirectW(&wanted));
}

void paint(HWND hwnd, const Window& window) {
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(hwnd, &paint);
    window.picture.draw(dc, 80, 32);
    SetBkMode(dc, TRANSPARENT);
    SetTextAlign(dc, TA_BASELINE | TA_LEFT);
    int baseline = 190;
    for (const OwnedFont& font : window.faces) {
        const Selected selected(dc, font.get());
        TextOutW(dc, 80, baseline, L"Zumbilo", 7);
        baseline += 30;
    }
    EndPaint(hwnd, &paint);
}

// The window's state travels with it, as Win32 has it: in its user data.
// NOLINTBEGIN(cppcoreguidelines-pro-type-reinterpret-cast,performance-no-int-to-ptr)
LRESULT CALLBACK windowProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* window = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    switch (message) {
        case WM_NCCREATE:
            SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                              reinterpret_cast<LONG_PTR>(
                                  reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams));
            break;
        case WM_PAINT:
            paint(hwnd, *window);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}
// NOLINTEND(cppcoreguidelines-pro-type-reinterpret-cast,performance-no-int-to-ptr)

}  // namespace

int main() {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    Window window;
    for (std::size_t i = 0; i < kFaces.size(); ++i) {
        window.faces[i] = face(kFaces[i]);
    }
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = windowProcedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = L"ZumbiloBaseline";
    RegisterClassExW(&windowClass);
    const int x = (GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2;
    HWND hwnd = CreateWindowExW(0, windowClass.lpszClassName, L"Zumbilo", WS_POPUP, x, y, kWidth,
                                kHeight, nullptr, nullptr, instance, &window);
    if (hwnd == nullptr) {
        return 1;
    }
    ShowWindow(hwnd, SW_SHOW);
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
