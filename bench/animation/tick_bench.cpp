// One animation tick with every path on and the fastest fading, on the core
// alone: the numerics plus generating ~120 000 eye segments. The drawing into
// real images is measured with the window.
//
// With no surface attached the compiler may drop the segment coordinates that
// nobody reads; the "Sink" variants hand every segment to a surface that only
// sums it, so the coordinates are really computed.
#include <benchmark/benchmark.h>

#include <memory>

#include "animation/fade_path.h"
#include "animation/timer_tick.h"
#include "app/form_load.h"
#include "app/user_actions.h"
#include "display/plot_eye.h"

namespace tarvel {
namespace {

class SinkSurface : public Surface {
  public:
    void clear() override {}
    void setColour(Colour) override {}
    void line(float x1, float y1, float x2, float y2) override { sum += x1 + y1 + x2 + y2; }
    float sum = 0;
};

struct Sinks {
    void attach(Form& form) {
        form.picIndividual.attach(&individual);
        form.picCombo.attach(&combo);
        form.picSumGraph.attach(&total);
    }
    SinkSurface individual, combo, total;
};

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
    Sinks sinks;
    if (bench.range(0) != 0) sinks.attach(*form);
    for (auto _ : bench) {
        Timer1_Timer(*form);
        benchmark::DoNotOptimize(form->state.dSumSignal.data());
    }
    bench.counters["segments/tick"] = benchmark::Counter(
        static_cast<double>(form->picCombo.linesSinceClear + form->picIndividual.linesSinceClear +
                            form->picSumGraph.linesSinceClear));
}
BENCHMARK(BM_TickEveryPathFading)->ArgName("Sink")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_PlotEye(benchmark::State& bench) {
    auto form = formWithEveryPathFading();
    Timer1_Timer(*form);
    SinkSurface sink;
    if (bench.range(0) != 0) form->picIndividual.attach(&sink);
    for (auto _ : bench) {
        PlotEye(form->state.dSymbolTime, form->state.dShapedSignal, form->picIndividual, 1.5, 0);
    }
    benchmark::DoNotOptimize(sink.sum);
}
BENCHMARK(BM_PlotEye)->ArgName("Sink")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

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
