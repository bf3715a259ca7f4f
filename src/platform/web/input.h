#pragma once

namespace platform::web {

// The browser's input in the runtime's codes: PointerEvent.buttons, and the
// modifiers as the event has them.
int buttonsCode(int domButtons);
int shiftCode(bool shift, bool ctrl, bool alt);

}  // namespace platform::web
