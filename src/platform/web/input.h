#pragma once

#include "platform/runtime/keys.h"

namespace platform::web {

// The browser's input in the runtime's codes: PointerEvent.buttons, and the
// modifiers as the event has them.
int buttonsCode(int domButtons);
int shiftCode(bool shift, bool ctrl, bool alt);
// KeyboardEvent.key's one character, none for a key that names no character.
// AltGr, which types characters, is no shortcut, whatever Ctrl and Alt say.
TypedKey typedKey(char32_t character, bool ctrl, bool alt, bool meta, bool altGraph);

}  // namespace platform::web
