#include "platform/win32/font_store.h"

#include <array>
#include <cmath>
#include <cwchar>

#include "platform/win32/wide.h"

namespace platform::win32 {

namespace {

struct StandIn {
    const char* face;
    const wchar_t* family;
};

constexpr std::array kStandIns{
    StandIn{"Segoe Print", L"Comic Neue"},
    StandIn{"Calibri", L"Carlito"},
    StandIn{"Arial", L"Liberation Sans"},
};

int CALLBACK noteFound(const LOGFONTW* /*font*/, const TEXTMETRICW* /*metrics*/, DWORD /*type*/,
                       LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

bool installed(const std::wstring& face) {
    if (face.empty() || face.size() >= LF_FACESIZE) {
        return false;
    }
    LOGFONTW wanted{};
    wanted.lfCharSet = DEFAULT_CHARSET;
    wcsncpy(wanted.lfFaceName, face.c_str(), LF_FACESIZE - 1);
    bool found = false;
    const ScreenDc screen;
    EnumFontFamiliesExW(screen.get(), &wanted, noteFound, reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

std::wstring desktopFace() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0) != 0 &&
        metrics.lfMessageFont.lfFaceName[0] != L'\0') {
        return metrics.lfMessageFont.lfFaceName;
    }
    return L"MS Shell Dlg 2";
}

}  // namespace

int pixelSizeOf(float points) {
    constexpr double kPixelsPerPoint = 96.0 / 72.0;
    return static_cast<int>(std::lround(points * kPixelsPerPoint));
}

std::wstring FontStore::faceFor(const std::string& name) const {
    auto known = faces_.find(name);
    if (known != faces_.end()) {
        return known->second;
    }
    std::wstring face = widen(name);
    if (!installed(face)) {
        face = desktopFace();
        for (const auto& [named, family] : kStandIns) {
            if (name == named && installed(family)) {
                face = family;
            }
        }
    }
    return faces_.emplace(name, face).first->second;
}

HFONT FontStore::font(const Font& font) const {
    const auto key = std::tuple(font.Name, font.Size, font.Bold, font.Underline);
    auto known = fonts_.find(key);
    if (known == fonts_.end()) {
        LOGFONTW wanted{};
        // Negative: the em height, as Qt's pixel size is.
        wanted.lfHeight = -pixelSizeOf(font.Size);
        wanted.lfWeight = font.Bold ? FW_BOLD : FW_NORMAL;
        wanted.lfUnderline = font.Underline ? TRUE : FALSE;
        wanted.lfCharSet = DEFAULT_CHARSET;
        wanted.lfQuality = ANTIALIASED_QUALITY;
        const std::wstring face = faceFor(font.Name);
        wcsncpy(wanted.lfFaceName, face.c_str(), LF_FACESIZE - 1);
        known = fonts_.emplace(key, OwnedFont(CreateFontIndirectW(&wanted))).first;
    }
    return known->second.get();
}

}  // namespace platform::win32
