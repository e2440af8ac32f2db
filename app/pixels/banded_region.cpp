#include "app/pixels/banded_region.h"

#include <algorithm>

namespace tarvel::pixels {
namespace {

// Widens `span` to take in the rows [top, bottom), which are not empty.
template <typename Span>
void widen(Span& span, int top, int bottom) {
    if (span.bottom <= span.top) {
        span = {top, bottom};
    } else {
        span = {std::min(span.top, top), std::max(span.bottom, bottom)};
    }
}

}  // namespace

void BandedRegion::resize(int width, int height) {
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    spans_.assign(static_cast<std::size_t>((width_ + kBandWidth - 1) / kBandWidth), Span{0, 0});
    empty_ = true;
}

void BandedRegion::clear() {
    if (empty_) return;
    std::fill(spans_.begin(), spans_.end(), Span{0, 0});
    empty_ = true;
}

void BandedRegion::unite(const PixelRect& rect) {
    const int left = std::max(rect.left, 0);
    const int right = std::min(rect.right, width_);
    const int top = std::max(rect.top, 0);
    const int bottom = std::min(rect.bottom, height_);
    if (bottom <= top || right <= left) return;
    for (int b = left / kBandWidth; b <= (right - 1) / kBandWidth; ++b) {
        widen(spans_[static_cast<std::size_t>(b)], top, bottom);
    }
    empty_ = false;
}

void BandedRegion::unite(const BandedRegion& other) {
    if (other.empty_) return;
    for (std::size_t b = 0; b < spans_.size() && b < other.spans_.size(); ++b) {
        const Span& from = other.spans_[b];
        if (from.bottom > from.top) widen(spans_[b], from.top, from.bottom);
    }
    empty_ = false;
}

}  // namespace tarvel::pixels
