// A whole animation tick in the heaviest case the window meets
// (bench/heaviest_case.h), drawn into the same image-backed surfaces the
// window uses. With no surfaces it is the core's own share of the tick,
// inside a process with a QApplication: it should match the core's own
// benchmark, which runs the same case without one.

#include <benchmark/benchmark.h>

#include <array>
#include <chrono>
#include <memory>
#include <span>
#include <thread>
#include <vector>

#include "animation/timer_tick.h"
#include "app/form_load.h"
#include "app/pixels/pixel_surface.h"
#include "app/qt/image_surface.h"
#include "bench/heaviest_case.h"

namespace tarvel::view {
namespace {

constexpr std::array<ControlKind, 4> kPictures{ControlKind::PicIndividual, ControlKind::PicCombo,
                                               ControlKind::PicSumGraph, ControlKind::PicSpectrum};

struct FadingChannel {
    // ratio 0: no surfaces at all, the core's own share of the tick.
    explicit FadingChannel(qreal ratio) {
        for (std::size_t k = 0; k < kPictures.size() && ratio > 0; ++k) {
            PictureBox& box = form->picture(kPictures[k]);
            surfaces[k] = std::make_unique<ImageSurface>(
                QSize(pixels::wholeDips(box.innerWidth()), pixels::wholeDips(box.innerHeight())),
                nullptr, ratio);
            box.attach(surfaces[k].get());
        }
        Form_Load(*form);
        bench::switchOnEveryPathFadingAfterRandom(*form);
        tick();
    }

    void tick() {
        Timer1_Timer(*form);
        for (auto& surface : surfaces) {
            if (surface) surface->flush();
        }
    }

    std::uint64_t segmentsPerTick() const {
        std::uint64_t n = 0;
        for (ControlKind kind : kPictures) n += form->picture(kind).linesSinceClear;
        return n;
    }

    std::unique_ptr<Form> form = std::make_unique<Form>();
    std::array<std::unique_ptr<ImageSurface>, 4> surfaces{};
};

void BM_FadingTickIntoSurfaces(benchmark::State& state) {
    FadingChannel channel(static_cast<qreal>(state.range(0)));
    for (auto _ : state) {
        channel.tick();
        benchmark::ClobberMemory();
    }
    state.counters["segments"] = static_cast<double>(channel.segmentsPerTick());
    static constexpr std::array<const char*, 3> kLabels{"no surfaces", "device pixel ratio 1",
                                                        "device pixel ratio 2"};
    state.SetLabel(kLabels[static_cast<std::size_t>(state.range(0))]);
}
BENCHMARK(BM_FadingTickIntoSurfaces)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// The same tick at ratio 1 as the window meets it: after 100 ms of idling,
// which is not timed.
void BM_FadingTickAfterIdle(benchmark::State& state) {
    FadingChannel channel(1);
    for (auto _ : state) {
        state.PauseTiming();
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        state.ResumeTiming();
        channel.tick();
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_FadingTickAfterIdle)->Iterations(50)->Unit(benchmark::kMicrosecond);

// The drawing alone: the segments of one fading tick, recorded once as the
// runs the plots drew and handed again to freshly cleared surfaces, either
// run by run (as the tick does) or segment by segment, so the rasteriser's
// share shows apart from the core's.
class Recorder : public Surface {
  public:
    void clear() override {
        points.clear();
        runs.clear();
    }
    void setColour(Colour) override {}
    void line(float x1, float y1, float x2, float y2) override {
        polyline(std::array<float, 4>{x1, y1, x2, y2});
    }
    void polyline(std::span<const float> xy) override {
        runs.push_back({points.size(), xy.size()});
        points.insert(points.end(), xy.begin(), xy.end());
    }
    std::size_t segments() const {
        std::size_t n = 0;
        for (const Run& run : runs) n += run.size / 2 - 1;
        return n;
    }

    struct Run {
        std::size_t offset, size;
    };
    std::vector<float> points;
    std::vector<Run> runs;
};

void replay(const Recorder& recorder, ImageSurface& surface, bool asRuns) {
    for (const Recorder::Run& run : recorder.runs) {
        const std::span<const float> xy(recorder.points.data() + run.offset, run.size);
        if (asRuns) {
            surface.polyline(xy);
            continue;
        }
        for (std::size_t k = 2; k + 1 < xy.size(); k += 2) {
            surface.line(xy[k - 2], xy[k - 1], xy[k], xy[k + 1]);
        }
    }
}

void BM_DrawOneTicksSegments(benchmark::State& state) {
    const qreal ratio = static_cast<qreal>(state.range(0));
    const bool asRuns = state.range(1) != 0;
    auto form = std::make_unique<Form>();
    std::array<Recorder, 4> recorders;
    std::array<std::unique_ptr<ImageSurface>, 4> surfaces;
    for (std::size_t k = 0; k < kPictures.size(); ++k) {
        PictureBox& box = form->picture(kPictures[k]);
        box.attach(&recorders[k]);
        surfaces[k] = std::make_unique<ImageSurface>(
            QSize(pixels::wholeDips(box.innerWidth()), pixels::wholeDips(box.innerHeight())),
            nullptr, ratio);
    }
    Form_Load(*form);
    bench::switchOnEveryPathFadingAfterRandom(*form);
    Timer1_Timer(*form);

    std::size_t count = 0;
    for (const Recorder& recorder : recorders) count += recorder.segments();
    for (auto _ : state) {
        for (std::size_t k = 0; k < surfaces.size(); ++k) {
            surfaces[k]->clear();
            replay(recorders[k], *surfaces[k], asRuns);
            surfaces[k]->flush();
        }
        benchmark::ClobberMemory();
    }
    state.counters["segments"] = static_cast<double>(count);
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * count));
    state.SetLabel(asRuns ? "as runs" : "segment by segment");
}
BENCHMARK(BM_DrawOneTicksSegments)
    ->ArgNames({"ratio", "runs"})
    ->Args({1, 0})
    ->Args({1, 1})
    ->Args({2, 0})
    ->Args({2, 1})
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace tarvel::view
