#include "platform/qt/application.h"
#include "program_windows.h"
#include "version.h"

int main(int argc, char** argv) {
    platform::Application application(argc, argv,
                                      {.Title = "Zumbilo",
                                       .Major = zumbilo::kVersionMajor,
                                       .Minor = zumbilo::kVersionMinor,
                                       .Revision = zumbilo::kVersionRevision},
                                      zumbilo::kApplicationId);
    zumbilo::ProgramWindows windows(application.runtime());
    return application.run([&windows] { windows.showStartupWindow(); });
}
