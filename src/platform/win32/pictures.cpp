#include "platform/win32/pictures.h"

#include <algorithm>
#include <cwctype>

#include "platform/win32/wide.h"

namespace platform::win32 {

namespace {

std::wstring resourceName(const std::string& name) {
    std::wstring wide = widen(name);
    std::transform(wide.begin(), wide.end(), wide.begin(),
                   [](wchar_t c) { return static_cast<wchar_t>(std::towupper(c)); });
    return wide;
}

// A resource's bytes stay mapped for as long as the program runs.
std::span<const std::byte> resourceBytes(const std::string& name) {
    HRSRC found = FindResourceW(nullptr, resourceName(name).c_str(), RT_RCDATA);
    HGLOBAL loaded = found != nullptr ? LoadResource(nullptr, found) : nullptr;
    const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (bytes == nullptr) {
        return {};
    }
    return {static_cast<const std::byte*>(bytes), SizeofResource(nullptr, found)};
}

}  // namespace

Pictures::Pictures() : images_(resourceBytes) {}

HICON Pictures::icon(const Picture& picture, int size) const {
    const auto key = std::pair(picture.resource(), size);
    auto known = icons_.find(key);
    if (known == icons_.end()) {
        OwnedIcon icon(static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr),
                                                     resourceName(picture.resource()).c_str(),
                                                     IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
        known = icons_.emplace(key, std::move(icon)).first;
    }
    return known->second.get();
}

}  // namespace platform::win32
