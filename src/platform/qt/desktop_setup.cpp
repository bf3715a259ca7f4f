#include "platform/qt/desktop_setup.h"

#include "platform/qt/accessibility.h"
#include "platform/qt/fonts.h"

namespace platform {

void prepareDesktop() {
    installFontSubstitutes();
    installFormAccessibility();
}

}  // namespace platform
