#include "main_window_invariants.h"

#include <algorithm>
#include <array>

namespace robustness {

namespace {

bool isVerdict(const std::string& status) {
    return status == "GANASTE" || status == "PERDISTE" || status == "EMPATASTE";
}

}  // namespace

bool isCounterText(const std::string& text) {
    return !text.empty() && text.size() < 16 &&
           std::all_of(text.begin(), text.end(), [](char ch) { return ch >= '0' && ch <= '9'; }) &&
           (text == "0" || text.front() != '0');
}

std::string checkMainWindow(const mainwindow::MainWindowControls& c, int tickCount) {
    const std::string& status = c.lblGame.Caption;
    const bool startLabel = c.lblPlay[0].Visible;
    const bool handsShown = c.Image1.Visible;
    const bool shaking = c.tmrHands.Enabled;
    const std::array options = {c.imgOpt[0].Visible.get(), c.imgOpt[1].Visible.get(),
                                c.imgOpt[2].Visible.get(), c.shpOpt1.Visible.get(),
                                c.shpOpt2.Visible.get(),   c.shpOpt3.Visible.get(),
                                c.lblVS.Visible.get(),     c.cmdAbout.Visible.get()};

    if (status != "BIENVENIDO" && status != "ELIGE UNA FIGURA" && !status.empty() &&
        !isVerdict(status)) {
        return "unknown status '" + status + "'";
    }
    if (std::any_of(options.begin(), options.end(),
                    [&](bool shown) { return shown == startLabel; })) {
        return "the start label and the options must never show together, nor both be hidden";
    }
    if (c.Image1.Visible.get() != c.Image2.Visible.get()) {
        return "one hand shown without the other";
    }
    if (status.empty() && !(handsShown && shaking)) {
        return "an empty status outside the hands animation";
    }
    if (isVerdict(status) && shaking) {
        return "a verdict while the hands still shake";
    }
    if (status == "BIENVENIDO" && (!startLabel || handsShown || shaking)) {
        return "the welcome status outside the welcome state";
    }
    if (tickCount < 0 || tickCount > 5) {
        return "TickCount " + std::to_string(tickCount) + " out of 0 to 5 between handlers";
    }
    if (c.Image2.Visible && c.Image2.Picture.get() != c.imgVs1.Picture.get() &&
        c.Image2.Picture.get() != c.imgVs2.Picture.get() &&
        c.Image2.Picture.get() != c.imgVs3.Picture.get()) {
        return "the computer's hand shows none of its three pictures";
    }
    if (c.imgVs1.Visible || c.imgVs2.Visible || c.imgVs3.Visible) {
        return "a picture holder became visible";
    }
    if (!c.lblWin.Visible || !c.lblLose.Visible || !c.lblPlay[1].Visible ||
        !c.lblReset[1].Visible || !c.lblReset[0].Visible || !c.Shape1.Visible ||
        !c.Shape2.Visible || !c.Shape3.Visible) {
        return "an always-visible control was hidden";
    }
    if (!isCounterText(c.lblWin.Caption) || !isCounterText(c.lblLose.Caption)) {
        return "a counter is not a whole number in shortest form";
    }
    return {};
}

}  // namespace robustness
