#pragma once

namespace platform {

// A key that types a character, with the modifiers held as the desktop
// reports them. Some desktops report AltGr as Ctrl and Alt as well.
struct TypedKey {
    char32_t character = 0;  // none for a key that types nothing
    bool ctrl = false;
    bool alt = false;
    bool meta = false;      // the logo key
    bool altGraph = false;  // AltGr, or the group switch
};

}  // namespace platform
