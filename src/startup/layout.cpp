#include "startup/layout.h"

namespace startup {

using platform::ImageDesign;
using platform::LabelDesign;
using platform::Picture;
using platform::RGB;
using platform::ShapeDesign;
using platform::TimerDesign;

namespace {

// The bands' grey is replaced before the window is first drawn.
constexpr auto kBandGrey = RGB(64, 64, 64);

ShapeDesign band(platform::TwipsRect rect, bool visible = true) {
    return {.rect = rect,
            .BorderColor = kBandGrey,
            .BackStyle = platform::kOpaque,
            .BackColor = kBandGrey,
            .Visible = visible};
}

}  // namespace

platform::FormDesign startupWindowDesign() {
    return {.Caption = "Form1",
            .ClientWidth = 7815,
            .ClientHeight = 4455,
            .BackColor = RGB(255, 255, 255),
            .BorderStyle = 0,
            .iconResource = "logo.ico",
            // Its caption is never shown; screen readers say the game's name.
            .AccessibleName = "Zumbilo"};
}

// clang-format off
StartupWindowControls::StartupWindowControls(platform::Form& form)
    : Timer3(form, TimerDesign{.Enabled = false, .Interval = 500}),
      Timer2(form, TimerDesign{.Enabled = true, .Interval = 30}),
      Timer1(form, TimerDesign{.Enabled = true, .Interval = 30}),
      lblEsc(form, LabelDesign{.rect = {7440, 120, 255, 255}, .Caption = "x",
                               .Font = {.Name = "Arial", .Size = 9.75F},
                               .ForeColor = RGB(0, 0, 0), .BackColor = RGB(224, 224, 224),
                               .BackStyle = platform::kTransparent}),
      Image1(form, ImageDesign{.rect = {1200, 480, 1815, 1815},
                               .picture = Picture::fromResource("logo.bmp")}),
      Shape3(form, band({960, 3240, 15, 495}, /*visible=*/false)),
      Shape4(form, ShapeDesign{.rect = {0, 0, 7815, 4455}, .BorderColor = RGB(0, 0, 0)}),
      lblWord(form, LabelDesign{.rect = {1200, 2400, 2700, 630}, .Caption = "Zumbilo",
                                .Font = {.Name = "Calibri", .Size = 26.25F},
                                .ForeColor = RGB(255, 255, 255), .BackColor = RGB(128, 128, 128),
                                .BackStyle = platform::kTransparent, .AutoSize = true}),
      Shape2(form, band({480, 0, 495, 15})),
      Shape1(form, band({7800, 3240, 15, 495})) {}
// clang-format on

}  // namespace startup
