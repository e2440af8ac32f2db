// FFTW's 4096-point complex transform beside ours, measured the same way:
// in place on interleaved data, planned once with FFTW_MEASURE. FFTW's
// backward direction has our forward transform's positive exponent.
#include <benchmark/benchmark.h>
#include <fftw3.h>

#include <random>
#include <vector>

namespace {

constexpr int kPoints = 4096;

class FftwVector {
  public:
    FftwVector() : data_(fftw_alloc_complex(kPoints)) {
        positive_ = fftw_plan_dft_1d(kPoints, data_, data_, FFTW_BACKWARD, FFTW_MEASURE);
        negative_ = fftw_plan_dft_1d(kPoints, data_, data_, FFTW_FORWARD, FFTW_MEASURE);
        std::mt19937 engine(3);
        std::uniform_real_distribution<double> value(-1.0, 1.0);
        for (double& v : original_) v = value(engine);
        restore();
    }
    ~FftwVector() {
        fftw_destroy_plan(positive_);
        fftw_destroy_plan(negative_);
        fftw_free(data_);
    }
    void restore() {
        for (int k = 0; k < kPoints; ++k) {
            data_[k][0] = original_[static_cast<std::size_t>(2 * k)];
            data_[k][1] = original_[static_cast<std::size_t>(2 * k + 1)];
        }
    }
    void forward() { fftw_execute(positive_); }
    void inverse() {
        fftw_execute(negative_);
        for (int k = 0; k < kPoints; ++k) {
            data_[k][0] /= kPoints;
            data_[k][1] /= kPoints;
        }
    }
    fftw_complex* data() { return data_; }

  private:
    fftw_complex* data_;
    fftw_plan positive_;
    fftw_plan negative_;
    std::vector<double> original_ = std::vector<double>(2 * kPoints);
};

void BM_Fftw4096Forward(benchmark::State& bench) {
    FftwVector v;
    for (auto _ : bench) {
        bench.PauseTiming();
        v.restore();
        bench.ResumeTiming();
        v.forward();
        benchmark::DoNotOptimize(v.data());
        benchmark::ClobberMemory();
    }
}

// Scaled by 1/N like ours.
void BM_Fftw4096Inverse(benchmark::State& bench) {
    FftwVector v;
    for (auto _ : bench) {
        bench.PauseTiming();
        v.restore();
        bench.ResumeTiming();
        v.inverse();
        benchmark::DoNotOptimize(v.data());
        benchmark::ClobberMemory();
    }
}

void BM_Fftw4096ForwardThenInverse(benchmark::State& bench) {
    FftwVector v;
    for (auto _ : bench) {
        v.forward();
        v.inverse();
        benchmark::DoNotOptimize(v.data());
        benchmark::ClobberMemory();
    }
    bench.SetItemsProcessed(2 * bench.iterations());
}

BENCHMARK(BM_Fftw4096Forward)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Fftw4096Inverse)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Fftw4096ForwardThenInverse)->Unit(benchmark::kMicrosecond);

}  // namespace
