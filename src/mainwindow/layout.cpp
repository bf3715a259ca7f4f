#include "mainwindow/layout.h"

namespace mainwindow {

using platform::Font;
using platform::ImageDesign;
using platform::LabelDesign;
using platform::Picture;
using platform::RGB;
using platform::ShapeDesign;
using platform::TimerDesign;

namespace {

constexpr auto kTextButton = RGB(128, 0, 0);
constexpr auto kFrame = RGB(64, 0, 0);
constexpr auto kPanelRed = RGB(255, 0, 0);

Font segoePrint(float size, bool bold = false, bool underline = false) {
    return {.Name = "Segoe Print", .Size = size, .Bold = bold, .Underline = underline};
}

Picture picture(const char* name) {
    return Picture::fromResource(name);
}

}  // namespace

platform::FormDesign mainWindowDesign() {
    return {.Caption = "ZUMBILO",
            .ClientWidth = 6255,
            .ClientHeight = 3375,
            .BackColor = RGB(192, 0, 0),
            .BorderStyle = 1,
            .iconResource = "logo.ico"};
}

// clang-format off
MainWindowControls::MainWindowControls(platform::Form& form)
    : tmrTop(form, TimerDesign{.Enabled = true, .Interval = 20}),
      tmrHands(form, TimerDesign{.Enabled = false, .Interval = 100}),
      Image1(form, ImageDesign{.rect = {240, 840, 2295, 2295}, .Visible = false,
                               .ToolTipText = " JUGAR DE NUEVO. "}),
      cmdAbout(form, LabelDesign{.rect = {2160, 2760, 375, 375}, .Caption = "?",
                                 .Font = segoePrint(9.75F, false, true), .ForeColor = kTextButton,
                                 .BackStyle = platform::kTransparent, .Visible = false,
                                 .ToolTipText = " Acerca del juego. "}),
      Shape2(form, ShapeDesign{.rect = {3600, 720, 2535, 2535},
                               .BorderStyle = platform::kOutlineInsideSolid, .BorderColor = kFrame}),
      Shape1(form, ShapeDesign{.rect = {120, 720, 2535, 2535},
                               .BorderStyle = platform::kOutlineInsideSolid, .BorderColor = kFrame}),
      Image2(form, ImageDesign{.rect = {3720, 840, 2295, 2295}, .Visible = false}),
      shpOpt3(form, ShapeDesign{.rect = {840, 2040, 1095, 1095}, .BorderColor = kFrame,
                                .FillColor = RGB(192, 192, 192),
                                .DrawMode = platform::kDrawMaskPen, .Visible = false}),
      shpOpt2(form, ShapeDesign{.rect = {1440, 840, 1095, 1095}, .BorderColor = kFrame,
                                .FillColor = RGB(192, 192, 192),
                                .DrawMode = platform::kDrawMaskPen, .Visible = false}),
      shpOpt1(form, ShapeDesign{.rect = {240, 840, 1095, 1095}, .BorderColor = kFrame,
                                .FillColor = RGB(192, 192, 192),
                                .DrawMode = platform::kDrawMaskPen, .Visible = false}),
      imgOpt(form, {
          {2, ImageDesign{.rect = {840, 2040, 1095, 1095}, .picture = picture("hand_rock.bmp"),
                          .Visible = false, .ToolTipText = " PIEDRA "}},
          {1, ImageDesign{.rect = {1440, 840, 1095, 1095}, .picture = picture("hand_scissors.bmp"),
                          .Visible = false, .ToolTipText = " TIJERAS "}},
          {0, ImageDesign{.rect = {240, 840, 1095, 1095}, .picture = picture("hand_paper.bmp"),
                          .Visible = false, .ToolTipText = " PAPEL "}},
      }),
      lblReset(form, {
          {0, LabelDesign{.rect = {3720, 1800, 2295, 375}, .Caption = "(REINICIAR)",
                          .Font = segoePrint(12), .ForeColor = kTextButton,
                          .BackStyle = platform::kTransparent}},
          {1, LabelDesign{.rect = {3600, 720, 2535, 2535}, .BackColor = kPanelRed}},
      }),
      lblPlay(form, {
          {0, LabelDesign{.rect = {240, 1800, 2295, 375}, .Caption = "INICIAR",
                          .Font = segoePrint(12), .ForeColor = kTextButton,
                          .BackStyle = platform::kTransparent}},
          {1, LabelDesign{.rect = {120, 720, 2535, 2535}, .BackColor = kPanelRed}},
      }),
      Shape3(form, ShapeDesign{.rect = {120, 120, 6015, 495}, .BorderColor = kFrame}),
      imgVs3(form, ImageDesign{.rect = {4680, 840, 375, 375},
                               .picture = picture("hand_rock.bmp").mirrored(), .Visible = false}),
      imgVs2(form, ImageDesign{.rect = {4200, 840, 375, 375},
                               .picture = picture("hand_scissors.bmp").mirrored(), .Visible = false}),
      imgVs1(form, ImageDesign{.rect = {3720, 840, 375, 375},
                               .picture = picture("hand_paper.bmp").mirrored(), .Visible = false}),
      lblLose(form, LabelDesign{.rect = {5280, 120, 855, 495}, .Caption = "0",
                                .Font = segoePrint(14.25F, true), .BackColor = RGB(224, 224, 224),
                                .BackStyle = platform::kTransparent}),
      lblWin(form, LabelDesign{.rect = {120, 120, 855, 495}, .Caption = "0",
                               .Font = segoePrint(14.25F, true), .BackColor = RGB(224, 224, 224),
                               .BackStyle = platform::kTransparent}),
      lblGame(form, LabelDesign{.rect = {120, 120, 6015, 495}, .Caption = "BIENVENIDO",
                                .Font = segoePrint(15.75F), .BackColor = RGB(255, 255, 255),
                                .StatusLine = true}),
      lblVS(form, LabelDesign{.rect = {2760, 1680, 735, 615}, .Caption = "VS.",
                              .Font = segoePrint(20.25F), .ForeColor = RGB(64, 0, 0),
                              .BackStyle = platform::kTransparent, .Visible = false}) {}
// clang-format on

}  // namespace mainwindow
