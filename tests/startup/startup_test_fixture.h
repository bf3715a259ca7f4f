#pragma once

#include <gtest/gtest.h>

#include "pointer.h"
#include "startup/frm_inicio.h"
#include "test_runtime.h"

// The start-up window alone on the virtual clock; the hand-off is counted
// instead of showing the main window.
class StartupWindowTest : public ::testing::Test {
  protected:
    static constexpr int kTick = 30;  // both sequence timers' interval

    void SetUp() override {
        rt.runtime.dispatch([this] { form.Show(); });
    }

    startup::StartupWindowControls& c() { return form.c(); }

    // Unloads and loads again, inside one handler so the program goes on.
    void reload() {
        rt.runtime.dispatch([this] {
            form.Unload();
            form.Show();
        });
    }

    void ticks(int n) { rt.clock.advance(static_cast<std::int64_t>(kTick) * n); }

    testing_support::TestRuntime rt;
    int handOffs = 0;
    bool loadedAtHandOff = false;
    startup::frmInicio form{rt.runtime, [this] {
                                ++handOffs;
                                loadedAtHandOff = form.loaded();
                            }};
    testing_support::Pointer pointer{form};
};
