// The 4096-point transform as the analysis and the animation call it.
#include <benchmark/benchmark.h>

#include <memory>
#include <random>

#include "analysis/nr_fft.h"
#include "app/demo_state.h"

namespace tarvel {
namespace {

std::unique_ptr<ComplexVector> randomVector() {
    auto data = std::make_unique<ComplexVector>();
    std::mt19937 engine(3);
    std::uniform_real_distribution<double> value(-1.0, 1.0);
    for (int e = 0; e < kComplexBound; ++e) (*data)[static_cast<std::size_t>(e)] = value(engine);
    return data;
}

// A round trip keeps the data's size steady over millions of runs.
void BM_Fft4096ForwardThenInverse(benchmark::State& bench) {
    auto data = randomVector();
    for (auto _ : bench) {
        benchmark::DoNotOptimize(FFT(data->data(), kPoints, false));
        benchmark::DoNotOptimize(FFT(data->data(), kPoints, true));
        benchmark::ClobberMemory();
    }
    bench.SetItemsProcessed(2 * bench.iterations());
}

void BM_Fft4096Forward(benchmark::State& bench) {
    auto data = randomVector();
    const ComplexVector original = *data;
    for (auto _ : bench) {
        bench.PauseTiming();
        *data = original;
        bench.ResumeTiming();
        benchmark::DoNotOptimize(FFT(data->data(), kPoints, false));
        benchmark::ClobberMemory();
    }
}

void BM_Fft4096Inverse(benchmark::State& bench) {
    auto data = randomVector();
    const ComplexVector original = *data;
    for (auto _ : bench) {
        bench.PauseTiming();
        *data = original;
        bench.ResumeTiming();
        benchmark::DoNotOptimize(FFT(data->data(), kPoints, true));
        benchmark::ClobberMemory();
    }
}

BENCHMARK(BM_Fft4096Forward)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Fft4096Inverse)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Fft4096ForwardThenInverse)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tarvel
