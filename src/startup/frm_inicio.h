#pragma once

#include <cstdint>
#include <functional>

#include "platform/runtime/form.h"
#include "platform/runtime/runtime.h"
#include "startup/layout.h"

namespace startup {

// The start-up window: the title fades in while two bands grow, then the
// window hands over to the main window and unloads itself. Its "x" ends the
// program at any moment before that.
class frmInicio final : public platform::FormOf<StartupWindowControls> {
  public:
    // showMainWindow is how the hand-off reaches the main window.
    frmInicio(platform::Runtime& runtime, std::function<void()> showMainWindow);

    // The title's grey level, readable for tests.
    std::int16_t FadeLevel = 0;

  protected:
    void Form_Load() override;
    void wire(StartupWindowControls& controls) override;

  private:
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void lblEsc_MouseDown();
    void lblEsc_MouseUp();
    void lblEsc_Click();

    std::function<void()> showMainWindow_;
};

}  // namespace startup
