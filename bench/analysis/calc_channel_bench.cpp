// One channel analysis with all eight paths on: the pulse spectrum, the
// transform, the power response, the plot's segments (no surface attached)
// and the captions. It runs on every tick while paths fade.
#include <benchmark/benchmark.h>

#include <memory>

#include "analysis/calc_channel.h"
#include "app/form_load.h"
#include "app/user_actions.h"

namespace tarvel {
namespace {

std::unique_ptr<Form> formWithEveryPathOn() {
    auto form = std::make_unique<Form>();
    Form_Load(*form);
    for (int i = 0; i < kPathCount; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        form->cmdSource[slot].backColour = form->state.lPathColour[slot];
        const float left = 360.0f + 600.0f * static_cast<float>(i);
        const float top = 600.0f + 400.0f * static_cast<float>(i);
        form->cmdSource[slot].left = form->cmdShape[slot].left = left;
        form->cmdSource[slot].top = form->cmdShape[slot].top = top;
        form->cmdShape[slot].visible = true;
    }
    return form;
}

void BM_CalcChannelEightPaths(benchmark::State& bench) {
    auto form = formWithEveryPathOn();
    for (auto _ : bench) {
        CalcChannel(*form);
        benchmark::DoNotOptimize(form->state.dPowerSpectrum.data());
    }
}

void BM_CalcChannelEightPathsWithMemory(benchmark::State& bench) {
    auto form = formWithEveryPathOn();
    clickMemory(*form);
    for (auto _ : bench) {
        CalcChannel(*form);
        benchmark::DoNotOptimize(form->state.dPowerSpectrum.data());
    }
}

BENCHMARK(BM_CalcChannelEightPaths)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CalcChannelEightPathsWithMemory)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tarvel
