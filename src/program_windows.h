#pragma once

#include <optional>

#include "game/frm_principal.h"
#include "platform/runtime/runtime.h"
#include "startup/frm_inicio.h"

namespace zumbilo {

// The program's two windows, each created on first use and kept until the
// program ends. They reach each other only through these two calls: the
// start-up window's hand-off shows the main window, the main window's
// restart shows the start-up window.
class ProgramWindows {
  public:
    explicit ProgramWindows(platform::Runtime& runtime) : runtime_(&runtime) {}
    ProgramWindows(const ProgramWindows&) = delete;
    ProgramWindows& operator=(const ProgramWindows&) = delete;
    ProgramWindows(ProgramWindows&&) = delete;
    ProgramWindows& operator=(ProgramWindows&&) = delete;
    ~ProgramWindows() = default;

    void showStartupWindow() {
        if (!inicio) {
            inicio.emplace(*runtime_, [this] { showMainWindow(); });
        }
        inicio->Show();
    }

    void showMainWindow() {
        if (!principal) {
            principal.emplace(*runtime_, [this] { showStartupWindow(); });
        }
        principal->Show();
    }

    std::optional<startup::frmInicio> inicio;
    std::optional<game::frmPrincipal> principal;

  private:
    platform::Runtime* runtime_;
};

}  // namespace zumbilo
