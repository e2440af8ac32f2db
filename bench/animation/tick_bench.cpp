// One animation tick in the heaviest realistic case (bench/heaviest_case.h),
// on the core alone, with no toolkit in the process: the numerics plus the
// eye segments. The drawing into real images is measured with the window,
// whose benchmark runs the same case.
//
// With no surface attached the compiler may drop the segment coordinates that
// nobody reads; the "Sink" variants hand every segment to a surface that only
// sums it, so the coordinates are really computed.
#include <benchmark/benchmark.h>

#include <memory>

#include "animation/fade_path.h"
#include "animation/timer_tick.h"
#include "app/form_load.h"
#include "bench/heaviest_case.h"
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
    bench::switchOnEveryPathFadingAfterRandom(*form);
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
