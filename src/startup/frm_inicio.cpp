#include "startup/frm_inicio.h"

#include "platform/runtime/codes.h"
#include "platform/runtime/runtime_error.h"

namespace startup {

using platform::RGB;
using platform::Twips;

namespace {

constexpr auto kBandRed = RGB(240, 28, 36);
constexpr auto kCrossingRed = RGB(180, 14, 18);

// The title starts white on white and darkens ten grey levels a tick.
constexpr std::int16_t kFadeStart = 250;
constexpr int kFadeStep = 10;

// Each tick the vertical band grows down and the horizontal one left, until
// the vertical one reaches past the window's bottom edge.
constexpr Twips kBandsComplete = 4815;
constexpr Twips kGrowDown = 120;
constexpr Twips kGrowLeft = 200;

// The horizontal band's left end has reached the vertical band's column.
constexpr Twips kCrossingFrom = 480;
constexpr Twips kCrossingTo = 960;

}  // namespace

frmInicio::frmInicio(platform::Runtime& runtime, std::function<void()> showMainWindow)
    : FormOf(runtime, startupWindowDesign()), showMainWindow_(std::move(showMainWindow)) {}

void frmInicio::wire(StartupWindowControls& controls) {
    controls.Timer1.onTimer = [this] { Timer1_Timer(); };
    controls.Timer2.onTimer = [this] { Timer2_Timer(); };
    controls.Timer3.onTimer = [this] { Timer3_Timer(); };
    controls.lblEsc.onMouseDown = [this](const platform::MouseArgs& /*args*/) {
        lblEsc_MouseDown();
    };
    controls.lblEsc.onMouseUp = [this](const platform::MouseArgs& /*args*/) { lblEsc_MouseUp(); };
    controls.lblEsc.onClick = [this] { lblEsc_Click(); };
}

void frmInicio::Form_Load() {
    auto& ctl = c();
    FadeLevel = kFadeStart;
    ctl.Shape2.BackColor = kBandRed;
    ctl.Shape2.BorderColor = kBandRed;
    ctl.Shape1.BackColor = kBandRed;
    ctl.Shape1.BorderColor = kBandRed;
}

void frmInicio::Timer1_Timer() {
    if (FadeLevel > kFadeStart || FadeLevel < 1) {
        c().Timer1.Enabled = false;
        return;
    }
    FadeLevel = platform::add16(FadeLevel, -kFadeStep);
    c().lblWord.ForeColor = RGB(FadeLevel, FadeLevel, FadeLevel);
}

// Every value is read back from the shapes as it is needed, so a band moved
// by anything else grows on from where it is.
void frmInicio::Timer2_Timer() {
    auto& ctl = c();
    if (ctl.Shape2.Height >= kBandsComplete) {
        ctl.Timer2.Enabled = false;
        ctl.Timer3.Enabled = true;
        return;
    }
    ctl.Shape2.Height = ctl.Shape2.Height + kGrowDown;
    ctl.Shape1.Left = ctl.Shape1.Left - kGrowLeft;
    ctl.Shape1.Width = ctl.Shape1.Width + kGrowLeft;
    if (ctl.Shape1.Left <= kCrossingTo && ctl.Shape1.Left >= kCrossingFrom) {
        // The square keeps its own top and height: the horizontal band's row.
        ctl.Shape3.Visible = true;
        ctl.Shape3.Left = ctl.Shape2.Left.get();
        ctl.Shape3.Width = ctl.Shape2.Width.get();
        ctl.Shape3.BackColor = kCrossingRed;
        ctl.Shape3.BorderColor = kCrossingRed;
    }
}

// The main window loads inside the show, so both windows exist for a moment
// and the program never finds itself without one.
void frmInicio::Timer3_Timer() {
    showMainWindow_();
    Unload();
}

void frmInicio::lblEsc_MouseDown() {
    c().lblEsc.BackStyle = platform::kOpaque;
}

void frmInicio::lblEsc_MouseUp() {
    c().lblEsc.BackStyle = platform::kTransparent;
}

void frmInicio::lblEsc_Click() {
    runtime().End();
}

}  // namespace startup
