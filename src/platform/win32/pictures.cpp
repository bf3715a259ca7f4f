#include "platform/win32/pictures.h"

#include <algorithm>
#include <cwctype>
#include <span>

#include "platform/win32/wide.h"

namespace platform::win32 {

namespace {

// A resource's bytes stay mapped for as long as the program runs.
std::span<const std::byte> resourceBytes(const std::wstring& name) {
    HRSRC found = FindResourceW(nullptr, name.c_str(), RT_RCDATA);
    if (found == nullptr) {
        return {};
    }
    HGLOBAL loaded = LoadResource(nullptr, found);
    const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (bytes == nullptr) {
        return {};
    }
    return {static_cast<const std::byte*>(bytes), SizeofResource(nullptr, found)};
}

}  // namespace

std::wstring resourceName(const Picture& picture) {
    std::wstring name = widen(picture.resource());
    std::transform(name.begin(), name.end(), name.begin(),
                   [](wchar_t c) { return static_cast<wchar_t>(std::towupper(c)); });
    return name;
}

const Dib& PictureStore::decoded(const Picture& picture) const {
    auto known = decoded_.find(picture);
    if (known == decoded_.end()) {
        Dib stored = decodeBmp(resourceBytes(resourceName(picture)));
        known =
            decoded_.emplace(picture, picture.isMirrored() ? mirrored(stored) : std::move(stored))
                .first;
    }
    return known->second;
}

const Dib& PictureStore::image(const Picture& picture, int width, int height) const {
    const auto key = std::tuple(picture, width, height);
    auto known = scaled_.find(key);
    if (known == scaled_.end()) {
        known = scaled_.emplace(key, scaledSmoothly(decoded(picture), width, height)).first;
    }
    return known->second;
}

HICON PictureStore::icon(const Picture& picture, int size) const {
    const auto key = std::pair(picture.resource(), size);
    auto known = icons_.find(key);
    if (known == icons_.end()) {
        OwnedIcon icon(
            static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), resourceName(picture).c_str(),
                                          IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
        known = icons_.emplace(key, std::move(icon)).first;
    }
    return known->second.get();
}

}  // namespace platform::win32
