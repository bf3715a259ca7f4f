#include "platform/win32/win32_api.h"
#include "system_dlls.h"

// As the game does at start: the common controls for its tool tips, the
// timer resolution of 1 ms for its rhythm, and shell32 imported for the
// About box.
void loadSystemDlls() {
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof controls;
    controls.dwICC = ICC_WIN95_CLASSES;
    InitCommonControlsEx(&controls);
    timeBeginPeriod(1);
    // Only imported: the loader maps shell32 as it does for the game.
    static volatile const auto about = &ShellAboutW;
    static_cast<void>(about);
}
