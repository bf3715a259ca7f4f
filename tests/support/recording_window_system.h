#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/runtime/accessible_tree.h"
#include "platform/runtime/faces.h"
#include "platform/runtime/form.h"
#include "platform/runtime/window_system.h"

namespace testing_support {

// A window system that draws nothing and keeps what the runtime hands its
// windows: the windows' own tests run on it, without any toolkit.
class RecordingWindowSystem final : public platform::WindowSystem {
  public:
    class View final : public platform::FormView {
      public:
        void sync() override {}
        void show() override {}
        void repaint(const platform::PixelRect& rect) override { repainted.push_back(rect); }
        void accessibilityChanged(const platform::AccessibleUpdate& update) override {
            updates.push_back(update);
        }

        std::vector<platform::PixelRect> repainted;
        std::vector<platform::AccessibleUpdate> updates;
    };

    static constexpr platform::FrameMargins kTitleBarFrame{4, 24, 4, 4};

    std::unique_ptr<platform::FormView> createView(platform::Form& /*form*/) override {
        return std::make_unique<View>();
    }
    platform::PixelRect screenArea() const override { return {0, 0, 1024, 768}; }
    platform::FrameMargins frameOf(int borderStyle) const override {
        return borderStyle == 0 ? platform::FrameMargins{} : kTitleBarFrame;
    }
    // Half an em a character, lines 1.2 ems apart: near enough the faces' own.
    platform::PixelSize textSize(const platform::Font& font,
                                 const std::string& text) const override {
        const int em = platform::pixelSizeOf(font.Size);
        return {static_cast<int>(text.size()) * em / 2, em * 6 / 5};
    }

    static View& viewOf(const platform::Form& form) { return dynamic_cast<View&>(*form.view()); }
};

}  // namespace testing_support
