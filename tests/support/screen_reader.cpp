#include "screen_reader.h"

#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

namespace testing_support {

void listenAsScreenReader(bool listening) {
    // No public call does this: the desktop's accessibility bridge normally
    // switches it on when assistive technology connects.
    QPlatformAccessibility* accessibility =
        QGuiApplicationPrivate::platformIntegration()->accessibility();
    if (accessibility != nullptr) {
        accessibility->setActive(listening);
    }
}

}  // namespace testing_support
