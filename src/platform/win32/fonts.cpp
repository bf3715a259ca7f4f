#include "platform/win32/fonts.h"

#include <cwchar>

#include "platform/runtime/faces.h"
#include "platform/win32/wide.h"

namespace platform::win32 {

namespace {

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

std::wstring FontStore::faceFor(const std::string& name) const {
    auto known = faces_.find(name);
    if (known != faces_.end()) {
        return known->second;
    }
    std::wstring face = widen(name);
    if (!installed(face)) {
        const std::wstring standIn = widen(standInFor(name));
        face = installed(standIn) ? standIn : desktopFace();
    }
    return faces_.emplace(name, face).first->second;
}

HFONT FontStore::font(const std::string& face, int pixelSize, bool bold, bool underline) const {
    const auto key = std::tuple(face, pixelSize, bold, underline);
    auto known = fonts_.find(key);
    if (known == fonts_.end()) {
        LOGFONTW wanted{};
        // Negative: the em height.
        wanted.lfHeight = -pixelSize;
        wanted.lfWeight = bold ? FW_BOLD : FW_NORMAL;
        wanted.lfUnderline = underline ? TRUE : FALSE;
        wanted.lfCharSet = DEFAULT_CHARSET;
        wanted.lfQuality = ANTIALIASED_QUALITY;
        const std::wstring drawn = faceFor(face);
        wcsncpy(wanted.lfFaceName, drawn.c_str(), LF_FACESIZE - 1);
        known = fonts_.emplace(key, OwnedFont(CreateFontIndirectW(&wanted))).first;
    }
    return known->second.get();
}

}  // namespace platform::win32
