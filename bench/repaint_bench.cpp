#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>

#include "game/frm_principal.h"
#include "platform/qt/desktop_setup.h"
#include "platform/qt/painter.h"
#include "platform/qt/window_system.h"
#include "platform/runtime/drawing.h"
#include "platform/runtime/units.h"
#include "pointer.h"
#include "test_runtime.h"

namespace {

// One full repaint of the main window in its busiest state: options shown,
// both hands up, a figure highlighted; what to draw asked of the runtime, and
// drawn by Qt's painter into an image the window's size.
void fullRepaint(benchmark::State& state) {
    const platform::Scale scale =
        platform::Scale::fromFactor(static_cast<double>(state.range(0)) / 2.0);
    testing_support::RuntimeOn<platform::QtWindowSystem> rt;
    game::frmPrincipal form(rt.runtime, [] {});
    rt.runtime.dispatch([&] { form.Show(); });
    testing_support::click(form.c().lblPlay[0]);
    testing_support::moveTo(form.c().imgOpt[0]);
    testing_support::click(form.c().imgOpt[1]);
    const platform::PixelRect area = scale.toScreen({0, 0, 417, 225});
    for (auto _ : state) {
        QImage image(area.width, area.height, QImage::Format_RGB32);
        QPainter painter(&image);
        platform::paint(painter, platform::drawForm(form, scale, area), rt.windows.pictures());
        painter.end();
        benchmark::DoNotOptimize(image);
    }
}
BENCHMARK(fullRepaint)->Arg(2)->Arg(3)->Arg(4)->ArgName("scaleX2")->Unit(benchmark::kMicrosecond);

// The baseline: an image of the same size and format, filled white.
void emptyFill(benchmark::State& state) {
    const double scale = static_cast<double>(state.range(0)) / 2.0;
    testing_support::RuntimeOn<platform::QtWindowSystem> rt;
    const game::frmPrincipal form(rt.runtime, [] {});
    const QSize size(platform::toPixels(form.design().ClientWidth),
                     platform::toPixels(form.design().ClientHeight));
    for (auto _ : state) {
        QImage image(size * scale, QImage::Format_RGB32);
        image.fill(Qt::white);
        benchmark::DoNotOptimize(image);
    }
}
BENCHMARK(emptyFill)->Arg(2)->Arg(3)->Arg(4)->ArgName("scaleX2")->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const QApplication app(argc, argv);
    platform::prepareDesktop();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
