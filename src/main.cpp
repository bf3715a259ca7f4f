#include <optional>

#include "game/frm_principal.h"
#include "platform/application.h"
#include "startup/frm_inicio.h"
#include "version.h"

namespace {

// The program's two windows, each created on first use and kept until the
// program ends. They reach each other only through these two calls: the
// start-up window's hand-off shows the main window, the main window's restart
// shows the start-up window.
struct Windows {
    platform::Runtime& runtime;
    std::optional<startup::frmInicio> inicio{};
    std::optional<game::frmPrincipal> principal{};

    void showStartupWindow() {
        if (!inicio) {
            inicio.emplace(runtime, [this] { showMainWindow(); });
        }
        inicio->Show();
    }

    void showMainWindow() {
        if (!principal) {
            principal.emplace(runtime, [this] { showStartupWindow(); });
        }
        principal->Show();
    }
};

}  // namespace

int main(int argc, char** argv) {
    platform::Application application(argc, argv,
                                      {.Title = "Zumbilo",
                                       .Major = zumbilo::kVersionMajor,
                                       .Minor = zumbilo::kVersionMinor,
                                       .Revision = zumbilo::kVersionRevision,
                                       .desktopId = zumbilo::kApplicationId});
    Windows windows{application.runtime()};
    return application.run([&windows] { windows.showStartupWindow(); });
}
