#include "game/frm_principal.h"

#include <cmath>

#include "mainwindow/about.h"
#include "mainwindow/accessible_names.h"
#include "mainwindow/pointer_feedback.h"
#include "platform/runtime/runtime_error.h"

namespace game {

using platform::RGB;

namespace {

// Figure values: what the verdict compares.
constexpr int kPaper = 1;
constexpr int kScissors = 2;
constexpr int kRock = 3;
// A paper that meets a rock is raised above it.
constexpr int kPaperOverRock = 4;

// The numeric keypad's columns, left to right: paper, scissors, rock.
constexpr int figureForKey(int keyAscii) {
    switch (keyAscii) {
        case '7':
        case '4':
        case '1':
            return 0;
        case '8':
        case '5':
        case '2':
            return 1;
        case '9':
        case '6':
        case '3':
            return 2;
        default:
            return -1;
    }
}

}  // namespace

frmPrincipal::frmPrincipal(platform::Runtime& runtime, std::function<void()> showStartupWindow)
    : FormOf(runtime, mainwindow::mainWindowDesign()),
      showStartupWindow_(std::move(showStartupWindow)) {}

void frmPrincipal::wire(mainwindow::MainWindowControls& controls) {
    controls.tmrTop.onTimer = [this] { slide_.tmrTop_Timer(*this, c().tmrTop); };
    controls.tmrHands.onTimer = [this] { tmrHands_Timer(); };
    controls.imgOpt.onClick = [this](int index) { imgOpt_Click(index); };
    controls.lblPlay.onClick = [this](int index) { lblPlay_Click(index); };
    controls.lblReset.onClick = [this](int index) { lblReset_Click(index); };
    controls.Image1.onClick = [this] { Image1_Click(); };
    controls.cmdAbout.onClick = [this] { mainwindow::cmdAbout_Click(*this); };
    // What the click handlers test first, for assistive technology to offer
    // only clicks that act.
    const auto startShown = [&controls] { return controls.lblPlay[0].Visible.get(); };
    controls.lblPlay[0].actsOnClick = startShown;
    controls.lblPlay[1].actsOnClick = startShown;
    controls.Image1.actsOnClick = [this] { return !Playing; };
    mainwindow::wirePointerFeedback(controls);
    mainwindow::nameControls(controls);
}

void frmPrincipal::Form_Load() {
    BackColor = RGB(200, 50, 50);
    c().lblGame.BackColor = RGB(250, 250, 250);
    c().lblPlay[1].BackColor = RGB(240, 28, 36);
    c().lblReset[1].BackColor = RGB(240, 28, 36);
}

void frmPrincipal::Form_MouseMove(const platform::MouseArgs& /*args*/) {
    mainwindow::eFall(c());
}

void frmPrincipal::eNuevo() {
    auto& ctl = c();
    if (ctl.lblPlay[0].Visible) {
        ctl.lblPlay[0].Visible = false;
        ctl.lblVS.Visible = true;
        ctl.imgOpt[0].Visible = true;
        ctl.imgOpt[1].Visible = true;
        ctl.imgOpt[2].Visible = true;
        ctl.cmdAbout.Visible = true;
        ctl.shpOpt1.Visible = true;
        ctl.shpOpt2.Visible = true;
        ctl.shpOpt3.Visible = true;
        ctl.lblReset[0].Caption = "(REINICIAR)";
    }
    ctl.Shape1.BorderWidth = 1;
    ctl.Shape2.BorderWidth = 1;
    ctl.lblGame.Caption = "ELIGE UNA FIGURA";
    ctl.Image1.Visible = false;
    ctl.Image2.Visible = false;
    Playing = true;
}

void frmPrincipal::eLoad() {
    auto& ctl = c();
    PlayerValue = Choice + 1;
    ctl.Image1.Picture = ctl.imgOpt[Choice].Picture.get();
    ctl.Image1.Visible = true;
    ctl.Image2.Visible = true;
    ctl.Image2.Picture = ctl.imgVs3.Picture.get();
    ctl.lblGame.Caption = "";
    ctl.tmrHands.Enabled = true;
}

void frmPrincipal::imgOpt_Click(int Index) {
    Choice = static_cast<std::int16_t>(Index);
    eLoad();
}

void frmPrincipal::Form_KeyPress(std::int16_t& KeyAscii) {
    // While the hands shake, keys are left alone.
    if (c().tmrHands.Enabled) {
        return;
    }
    const int figure = figureForKey(KeyAscii);
    if (figure >= 0) {
        Choice = static_cast<std::int16_t>(figure);
        eLoad();
    }
    KeyAscii = 0;
}

void frmPrincipal::lblPlay_Click(int /*Index*/) {
    if (c().lblPlay[0].Visible) {
        eNuevo();
    }
}

void frmPrincipal::Image1_Click() {
    if (!Playing) {
        eNuevo();
    }
}

void frmPrincipal::lblReset_Click(int /*Index*/) {
    Unload();
    showStartupWindow_();
}

void frmPrincipal::tmrHands_Timer() {
    auto& ctl = c();
    ++TickCount;
    switch (TickCount) {
        case 1:
        case 4:
            ctl.Image2.Picture = ctl.imgVs1.Picture.get();
            break;
        case 2:
        case 5:
            ctl.Image2.Picture = ctl.imgVs2.Picture.get();
            break;
        case 3:
            ctl.Image2.Picture = ctl.imgVs3.Picture.get();
            break;
        case 6:
            TickCount = 0;
            Jugar();
            ctl.tmrHands.Enabled = false;
            break;
        default:
            break;
    }
}

void frmPrincipal::Jugar() {
    auto& ctl = c();
    auto& random = runtime().random();
    random.Randomize();
    const double r = random.Rnd();
    ComputerValue = static_cast<int>(std::floor(r * 3.0));
    if (ComputerValue == 0) {
        ComputerValue = kRock;
    }
    switch (ComputerValue) {
        case kPaper:
            ctl.Image2.Picture = ctl.imgVs1.Picture.get();
            break;
        case kScissors:
            ctl.Image2.Picture = ctl.imgVs2.Picture.get();
            break;
        default:
            ctl.Image2.Picture = ctl.imgVs3.Picture.get();
            break;
    }
    if (PlayerValue == kPaper && ComputerValue == kRock) {
        PlayerValue = kPaperOverRock;
    }
    if (PlayerValue == kRock && ComputerValue == kPaper) {
        ComputerValue = kPaperOverRock;
    }
    if (PlayerValue > ComputerValue) {
        ctl.lblGame.Caption = "GANASTE";
        advanceCounter(ctl.lblWin);
    } else if (PlayerValue < ComputerValue) {
        ctl.lblGame.Caption = "PERDISTE";
        advanceCounter(ctl.lblLose);
    } else {
        ctl.lblGame.Caption = "EMPATASTE";
    }
    announce(mainwindow::verdictDetails(ctl));
    Playing = false;
}

// The score is the caption itself: read as a number, one added, written back.
void frmPrincipal::advanceCounter(platform::Label& counter) {
    counter.Caption = platform::numberToText(platform::textToNumber(counter.Caption.get()) + 1);
}

}  // namespace game
