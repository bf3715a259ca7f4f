#pragma once

#include <Qt>

#include "platform/runtime/keys.h"

class QKeyEvent;

namespace platform {

// Qt's input in the runtime's codes.
int buttonCode(Qt::MouseButton button);
int buttonsCode(Qt::MouseButtons buttons);
int shiftCode(Qt::KeyboardModifiers modifiers);
// AltGr comes as the group switch.
TypedKey typedKey(const QKeyEvent& event);

}  // namespace platform
