#include <optional>

#include "game/frm_principal.h"
#include "platform/application.h"
#include "version.h"

int main(int argc, char** argv) {
    platform::Application application(argc, argv,
                                      {.Title = "Zumbilo",
                                       .Major = zumbilo::kVersionMajor,
                                       .Minor = zumbilo::kVersionMinor,
                                       .Revision = zumbilo::kVersionRevision});
    platform::Runtime& runtime = application.runtime();

    // Form objects are created on first use and live until the program ends.
    std::optional<game::frmPrincipal> principal;
    const auto showMainWindow = [&] {
        if (!principal) {
            principal.emplace(runtime, [] {});
        }
        principal->Show();
    };
    return application.run(showMainWindow);
}
