#pragma once
// The twiddle factors of the transform's stages, each produced by the
// trigonometric recurrence that the butterflies have always used, in the
// same order, so that every factor is the same double as before. The stages
// of transforms up to kTabledPoints points are computed once per direction
// and kept in static tables; longer stages are produced piece by piece.

#include <cstddef>
#include <cstdint>
#include <span>

namespace tarvel::fft_detail {

// The factor w = wr + i wi, held twice for a complex product on packed
// doubles: as (wr, wi) and as (-wi, wr).
struct alignas(16) Twiddle {
    double direct[2];
    double crossed[2];
};

constexpr std::int64_t kTabledPoints = 4096;

// Each twiddled product is held within +-1e200 before it is added.
constexpr double kProductClamp = 1e200;

// The recurrence of one stage whose butterflies span `span` complex points
// (mmax / 2 in the classic form), starting at w = 1.
class TwiddleRecurrence {
  public:
    TwiddleRecurrence(std::int64_t span, double sign);
    Twiddle next();

  private:
    double wpr_, wpi_;
    double wr_ = 1.0, wi_ = 0.0;
};

// The `span` factors of a stage of span at most kTabledPoints / 2.
std::span<const Twiddle> tabledStage(std::int64_t span, bool inverse);

}  // namespace tarvel::fft_detail
