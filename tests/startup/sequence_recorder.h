#pragma once

#include <vector>

#include "startup/frm_inicio.h"
#include "virtual_clock.h"

namespace startup_testing {

struct ShapeState {
    platform::Twips Left;
    platform::Twips Top;
    platform::Twips Width;
    platform::Twips Height;
    bool Visible;
    platform::Color BackColor;

    friend bool operator==(const ShapeState&, const ShapeState&) = default;
};

inline ShapeState stateOf(const platform::Shape& s) {
    return {s.Left, s.Top, s.Width, s.Height, s.Visible, s.BackColor};
}

// What the sequence shows and which timers run, after one tick.
struct Frame {
    platform::Color title;
    bool timer1;
    bool timer2;
    bool timer3;
    ShapeState shape1;
    ShapeState shape2;
    ShapeState shape3;

    friend bool operator==(const Frame&, const Frame&) = default;
};

inline constexpr int kSequenceTicks = 41;

// Steps a freshly loaded start-up window through its 41 sequence ticks, one
// 30 ms step at a time; element n - 1 is the state after tick n.
inline std::vector<Frame> recordSequence(startup::frmInicio& form,
                                         testing_support::VirtualClock& clock) {
    std::vector<Frame> frames;
    for (int tick = 1; tick <= kSequenceTicks; ++tick) {
        clock.advance(30);
        auto& c = form.c();
        frames.push_back({c.lblWord.ForeColor, c.Timer1.Enabled, c.Timer2.Enabled, c.Timer3.Enabled,
                          stateOf(c.Shape1), stateOf(c.Shape2), stateOf(c.Shape3)});
    }
    return frames;
}

}  // namespace startup_testing
