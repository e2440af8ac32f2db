// One animation tick with every path on and the fastest fading, on the core
// alone (no surface attached): the numerics plus generating ~120 000 eye
// segments. The drawing into real images is measured with the window.
#include <benchmark/benchmark.h>

#include <memory>

#include "animation/fade_path.h"
#include "animation/timer_tick.h"
#include "app/form_load.h"
#include "app/user_actions.h"
#include "display/plot_eye.h"

namespace tarvel {
namespace {

std::unique_ptr<Form> formWithEveryPathFading() {
    auto form = std::make_unique<Form>();
    Form_Load(*form);
    for (int i = 0; i < kPathCount; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        CommandButton& marker = form->cmdSource[slot];
        marker.backColour = form->state.lPathColour[slot];
        marker.left = form->cmdShape[slot].left = 360.0f + 600.0f * static_cast<float>(i);
        marker.top = form->cmdShape[slot].top = 600.0f + 400.0f * static_cast<float>(i);
    }
    setFadeValue(*form, 5);
    return form;
}

void BM_TickEveryPathFading(benchmark::State& bench) {
    auto form = formWithEveryPathFading();
    for (auto _ : bench) {
        Timer1_Timer(*form);
        benchmark::DoNotOptimize(form->state.dSumSignal.data());
    }
    bench.counters["segments/tick"] = benchmark::Counter(
        static_cast<double>(form->picCombo.linesSinceClear + form->picIndividual.linesSinceClear +
                            form->picSumGraph.linesSinceClear));
}
BENCHMARK(BM_TickEveryPathFading)->Unit(benchmark::kMillisecond);

void BM_PlotEye(benchmark::State& bench) {
    auto form = formWithEveryPathFading();
    Timer1_Timer(*form);
    for (auto _ : bench) {
        PlotEye(form->state.dSymbolTime, form->state.dShapedSignal, form->picIndividual, 1.5, 0);
    }
}
BENCHMARK(BM_PlotEye)->Unit(benchmark::kMicrosecond);

void BM_FadeEveryPath(benchmark::State& bench) {
    auto form = formWithEveryPathFading();
    for (auto _ : bench) {
        for (int i = 0; i < kPathCount; ++i) FadePath(*form, static_cast<std::int16_t>(i));
    }
}
BENCHMARK(BM_FadeEveryPath)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tarvel

BENCHMARK_MAIN();
