#pragma once
// Pixels of a picture box kept as one span of rows for each band of columns.
// A spectrum trace crosses the whole box but in most bands reaches only part
// of its height: only those parts need wiping, and copying to the screen.
// The bands are fixed when the target is bound; nothing allocates after.

#include <cstddef>
#include <vector>

#include "app/pixels/line_rasteriser.h"

namespace tarvel::pixels {

class BandedRegion {
  public:
    static constexpr int kBandWidth = 64;  // pixels

    // Bands across a target `width` by `height` pixels, which clips every
    // rectangle united; allocates. Starts empty.
    void resize(int width, int height);

    bool isEmpty() const { return empty_; }
    void clear();
    void unite(const PixelRect& rect);
    void unite(const BandedRegion& other);

    // Calls visit(PixelRect) for each run of neighbouring bands with the
    // same span, left to right.
    template <typename Visit>
    void forEachRect(Visit visit) const;

  private:
    struct Span {
        int top, bottom;  // rows [top, bottom); empty when bottom <= top
    };
    int width_ = 0;
    int height_ = 0;
    bool empty_ = true;
    std::vector<Span> spans_;
};

template <typename Visit>
void BandedRegion::forEachRect(Visit visit) const {
    if (empty_) return;
    const int bands = static_cast<int>(spans_.size());
    for (int b = 0; b < bands;) {
        const Span span = spans_[static_cast<std::size_t>(b)];
        int end = b + 1;
        while (end < bands && spans_[static_cast<std::size_t>(end)].top == span.top &&
               spans_[static_cast<std::size_t>(end)].bottom == span.bottom) {
            ++end;
        }
        if (span.bottom > span.top) {
            const int right = end * kBandWidth < width_ ? end * kBandWidth : width_;
            visit(PixelRect{b * kBandWidth, span.top, right, span.bottom});
        }
        b = end;
    }
}

}  // namespace tarvel::pixels
