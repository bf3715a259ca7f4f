#include "platform/qt/desktop_setup.h"

#include "platform/qt/control_accessible.h"
#include "platform/qt/qt_font.h"

namespace platform {

void prepareDesktop() {
    installFontSubstitutes();
    installFormAccessibility();
}

}  // namespace platform
