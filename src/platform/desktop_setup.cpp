#include "platform/desktop_setup.h"

#include "platform/control_accessible.h"
#include "platform/qt_font.h"

namespace platform {

void prepareDesktop() {
    installFontSubstitutes();
    installFormAccessibility();
}

}  // namespace platform
