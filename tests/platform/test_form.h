#pragma once

#include <string>

#include "platform/control_array.h"
#include "platform/form.h"
#include "platform/image.h"
#include "platform/label.h"
#include "platform/shape.h"
#include "platform/timer.h"

// A small form whose controls overlap, for testing the runtime itself.
struct TestControls {
    static inline const platform::LabelDesign kFrontLabel{
        .rect = {0, 0, 1500, 1500}, .Caption = "front", .ToolTipText = " tip "};

    explicit TestControls(platform::Form& form)
        : tmr(form, {.Enabled = true, .Interval = 50}),
          cover(form, {.rect = {0, 0, 600, 600}, .BackStyle = platform::kTransparent}),
          frontLabel(form, kFrontLabel),
          frame(form, {.rect = {0, 0, 3000, 3000}}),
          backImage(form, {.rect = {750, 750, 1500, 1500}}),
          pair(form, {{1, {.rect = {3000, 0, 300, 300}}}, {0, {.rect = {3000, 0, 1500, 1500}}}}) {}

    platform::Timer tmr;
    platform::Label cover;  // hidden by each test that needs the corner
    platform::Label frontLabel;
    platform::Shape frame;
    platform::Image backImage;
    platform::ControlArray<platform::Label> pair;
};

class TestForm final : public platform::FormOf<TestControls> {
  public:
    explicit TestForm(platform::Runtime& runtime)
        : FormOf(runtime, {.Caption = "Test", .ClientWidth = 4500, .ClientHeight = 3000}) {}

    std::string log;
    int loads = 0;
    int keptAcrossLoads = 0;
    std::function<void()> onTick;

  protected:
    void Form_Load() override {
        ++loads;
        log += "load;";
    }
    void Form_MouseMove(const platform::MouseArgs& /*args*/) override { log += "form.move;"; }
    void Form_KeyPress(std::int16_t& KeyAscii) override {
        log += "key" + std::to_string(KeyAscii) + ";";
        if (KeyAscii == 'x') {
            KeyAscii = 0;
        }
    }

    void wire(TestControls& controls) override {
        controls.tmr.onTimer = [this] {
            log += "tick;";
            if (onTick) {
                onTick();
            }
        };
        const auto record = [this](const std::string& name, platform::PointerControl& control) {
            control.onMouseDown = [this, name](const platform::MouseArgs& a) {
                log += name + ".down" + std::to_string(a.Button) + ";";
            };
            control.onMouseUp = [this, name](const platform::MouseArgs& a) {
                log += name + ".up" + std::to_string(a.Button) + ";";
            };
            control.onMouseMove = [this, name](const platform::MouseArgs& /*a*/) {
                log += name + ".move;";
            };
            control.onClick = [this, name] { log += name + ".click;"; };
        };
        record("front", controls.frontLabel);
        record("image", controls.backImage);
        controls.pair.onClick = [this](int index) {
            log += "pair(" + std::to_string(index) + ").click;";
        };
    }
};
