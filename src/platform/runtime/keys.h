#pragma once

namespace platform {

// A key that types a character, as the desktop delivers it. The modifiers
// are those that make a key the desktop's shortcut: a window system reports
// AltGr, which types characters, as neither.
struct TypedKey {
    char32_t character = 0;  // none for a key that types nothing
    bool ctrl = false;
    bool alt = false;
    bool meta = false;  // the logo key
};

}  // namespace platform
