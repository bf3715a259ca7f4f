#include "platform/web/application.h"
#include "program_windows.h"
#include "version.h"

// The page calls main once the captions' faces are loaded. The game outlives
// it: from then on the page's events drive it, until the page goes.
int main() {
    static platform::web::Application application({.Title = "Zumbilo",
                                                   .Major = zumbilo::kVersionMajor,
                                                   .Minor = zumbilo::kVersionMinor,
                                                   .Revision = zumbilo::kVersionRevision});
    static zumbilo::ProgramWindows windows(application.runtime());
    application.run([] { windows.showStartupWindow(); });
    return 0;
}
