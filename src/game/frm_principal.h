#pragma once

#include <cstdint>
#include <functional>

#include "mainwindow/layout.h"
#include "mainwindow/window_slide.h"
#include "platform/runtime/form.h"
#include "platform/runtime/runtime.h"

namespace game {

// The main window: the whole game. Its variables belong to the object and
// outlive every unload; its controls, and so the score, do not.
class frmPrincipal final : public platform::FormOf<mainwindow::MainWindowControls> {
  public:
    // showStartupWindow is how the restart reaches the start-up window.
    frmPrincipal(platform::Runtime& runtime, std::function<void()> showStartupWindow);

    // The game state, readable for tests.
    std::int16_t Choice = 0;
    int PlayerValue = 0;
    int ComputerValue = 0;
    int TickCount = 0;
    bool Playing = false;

    const mainwindow::WindowSlide& slide() const { return slide_; }

  protected:
    void Form_Load() override;
    void Form_KeyPress(std::int16_t& KeyAscii) override;
    void Form_MouseMove(const platform::MouseArgs& args) override;
    void wire(mainwindow::MainWindowControls& controls) override;

  private:
    void eNuevo();
    void Jugar();
    void eLoad();

    void imgOpt_Click(int Index);
    void lblPlay_Click(int Index);
    void Image1_Click();
    void lblReset_Click(int Index);
    void tmrHands_Timer();
    void advanceCounter(platform::Label& counter);

    std::function<void()> showStartupWindow_;
    mainwindow::WindowSlide slide_;
};

}  // namespace game
