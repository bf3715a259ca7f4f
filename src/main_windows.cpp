#include "platform/win32/application.h"
#include "program_windows.h"
#include "version.h"

int main() {
    platform::win32::Application application({.Title = "Zumbilo",
                                              .Major = zumbilo::kVersionMajor,
                                              .Minor = zumbilo::kVersionMinor,
                                              .Revision = zumbilo::kVersionRevision});
    zumbilo::ProgramWindows windows(application.runtime());
    return application.run([&windows] { windows.showStartupWindow(); });
}
