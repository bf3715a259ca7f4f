#include "mainwindow/pointer_feedback.h"

#include <array>

namespace mainwindow {

using platform::kFillSolid;
using platform::kFillTransparent;
using platform::kFixedSingle;
using platform::kNoBorder;
using platform::MouseArgs;
using platform::RGB;

namespace {

constexpr auto kAtRest = RGB(128, 0, 0);
constexpr auto kHovered = RGB(64, 0, 0);

// The option shape filled for the option picture under the pointer.
constexpr std::array<std::array<int, 3>, 3> kFigureHighlight = {{
    //  shpOpt1          shpOpt2           shpOpt3
    {kFillSolid, kFillTransparent, kFillTransparent},  // imgOpt(0)
    {kFillTransparent, kFillSolid, kFillTransparent},  // imgOpt(1)
    {kFillTransparent, kFillTransparent, kFillSolid},  // imgOpt(2)
}};

void highlightFigure(MainWindowControls& c, int index) {
    if (index < 0 || index > 2) {
        return;
    }
    const auto& row = kFigureHighlight.at(static_cast<std::size_t>(index));
    c.shpOpt1.FillStyle = row[0];
    c.shpOpt2.FillStyle = row[1];
    c.shpOpt3.FillStyle = row[2];
}

}  // namespace

void eFall(MainWindowControls& c) {
    c.shpOpt1.FillStyle = kFillTransparent;
    c.shpOpt2.FillStyle = kFillTransparent;
    c.shpOpt3.FillStyle = kFillTransparent;
    c.lblPlay[0].ForeColor = kAtRest;
    c.lblReset[0].ForeColor = kAtRest;
    c.cmdAbout.ForeColor = kAtRest;
}

void wirePointerFeedback(MainWindowControls& c) {
    const auto passive = [&c](const MouseArgs& /*args*/) { eFall(c); };
    c.lblGame.onMouseMove = passive;
    c.lblWin.onMouseMove = passive;
    c.lblLose.onMouseMove = passive;
    c.lblVS.onMouseMove = passive;

    c.cmdAbout.onMouseMove = [&c](const MouseArgs& /*args*/) {
        eFall(c);
        c.cmdAbout.ForeColor = kHovered;
    };
    c.lblPlay.onMouseMove = [&c](int /*index*/, const MouseArgs& /*args*/) {
        eFall(c);
        c.lblPlay[0].ForeColor = kHovered;
    };
    c.lblReset.onMouseMove = [&c](int /*index*/, const MouseArgs& /*args*/) {
        eFall(c);
        c.lblReset[0].ForeColor = kHovered;
    };
    c.imgOpt.onMouseMove = [&c](int index, const MouseArgs& /*args*/) {
        highlightFigure(c, index);
    };

    c.imgOpt.onMouseDown = [&c](int index, const MouseArgs& /*args*/) {
        c.imgOpt[index].BorderStyle = kFixedSingle;
    };
    c.imgOpt.onMouseUp = [&c](int index, const MouseArgs& /*args*/) {
        c.imgOpt[index].BorderStyle = kNoBorder;
    };
    c.Image1.onMouseDown = [&c](const MouseArgs& /*args*/) { c.Image1.BorderStyle = kFixedSingle; };
    c.Image1.onMouseUp = [&c](const MouseArgs& /*args*/) { c.Image1.BorderStyle = kNoBorder; };

    // The start panel shows its press border only while the start label is up.
    c.lblPlay.onMouseDown = [&c](int /*index*/, const MouseArgs& /*args*/) {
        if (c.lblPlay[0].Visible) {
            c.lblPlay[1].BorderStyle = kFixedSingle;
        }
    };
    c.lblPlay.onMouseUp = [&c](int /*index*/, const MouseArgs& /*args*/) {
        if (c.lblPlay[0].Visible) {
            c.lblPlay[1].BorderStyle = kNoBorder;
        }
    };
    c.lblReset.onMouseDown = [&c](int /*index*/, const MouseArgs& /*args*/) {
        c.lblReset[1].BorderStyle = kFixedSingle;
    };
    c.lblReset.onMouseUp = [&c](int /*index*/, const MouseArgs& /*args*/) {
        c.lblReset[1].BorderStyle = kNoBorder;
    };
}

}  // namespace mainwindow
