#include "analysis/fft_twiddles.h"

#include <array>
#include <cmath>

namespace tarvel::fft_detail {
namespace {

constexpr double kTwoPi = 6.28318530717959;

// Stages of span 1, 2, 4, ... kTabledPoints / 2, one after another: the
// stage of span s starts at entry s - 1.
using StageTable = std::array<Twiddle, kTabledPoints - 1>;

StageTable buildTable(double sign) {
    StageTable table{};
    for (std::int64_t span = 1; span < kTabledPoints; span *= 2) {
        TwiddleRecurrence recurrence(span, sign);
        for (std::int64_t t = 0; t < span; ++t) {
            table[static_cast<std::size_t>(span - 1 + t)] = recurrence.next();
        }
    }
    return table;
}

}  // namespace

TwiddleRecurrence::TwiddleRecurrence(std::int64_t span, double sign) {
    const double theta = kTwoPi / static_cast<double>(2 * span);
    const double wtemp = sign * std::sin(theta * 0.5);
    wpr_ = wtemp * -2.0 * wtemp;
    wpi_ = sign * std::sin(theta);
}

Twiddle TwiddleRecurrence::next() {
    const Twiddle w{{wr_, wi_}, {-wi_, wr_}};
    const double wtemp = wr_;
    wr_ = (wpr_ * wr_ - wi_ * wpi_) + wr_;
    wi_ = (wpr_ * wi_ + wtemp * wpi_) + wi_;
    return w;
}

std::span<const Twiddle> tabledStage(std::int64_t span, bool inverse) {
    static const StageTable forward = buildTable(1.0);
    static const StageTable backward = buildTable(-1.0);
    const StageTable& table = inverse ? backward : forward;
    return {table.data() + (span - 1), static_cast<std::size_t>(span)};
}

}  // namespace tarvel::fft_detail
