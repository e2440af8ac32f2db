#pragma once
// A drawing surface that keeps its drawing in a block of 32-bit pixels at a
// device pixel ratio: what both views show in their picture boxes. The core
// draws in the box's own twips, kTwipsPerPixel to a device-independent pixel,
// and lines are one of those wide at any ratio. The pixels belong to the
// caller (an image of the toolkit, a buffer of the page); how a colour packs
// into a pixel is the caller's choice too.

#include <cstdint>
#include <span>

#include "app/controls.h"
#include "app/pixel_ratio.h"
#include "app/pixels/banded_region.h"
#include "app/pixels/column_plan.h"
#include "app/pixels/drawing_record.h"
#include "app/pixels/line_rasteriser.h"
#include "app/surface.h"

namespace tarvel::pixels {

// A picture box's drawing area in whole DIP, and that at `ratio` device
// pixels to a DIP: the size of the pixels both views give its surface.
int wholeDips(float twips);
int devicePixels(int dips, double ratio);
struct PixelSize {
    int width, height;
};
PixelSize devicePixelSizeOf(const PictureBox& box, double ratio);

class PixelSurface : public Surface {
  public:
    using PackColour = std::uint32_t (*)(Colour);

    explicit PixelSurface(PackColour pack);

    // Draws into `target` from now on, `ratio` device pixels to a DIP, and
    // fills it with the background; all of it counts as changed.
    void bind(PixelTarget target, double ratio);
    // Draws into `target` at `ratio` from now on, keeping the drawing: made
    // again from its record where the record is complete, else the old
    // pixels carried over, scaled. All of it counts as changed. The old
    // target must still hold its pixels during the call.
    void rebind(PixelTarget target, double ratio);
    void setBackground(Colour colour);

    void clear() override;
    void setColour(Colour colour) override;
    void line(float x1, float y1, float x2, float y2) override;
    void polyline(std::span<const float> xy) override;
    // Wide enough for a line at any ratio down to the lowest, a pixel and a
    // half there (a pixel is then 4 DIP): what the plots leave out must be
    // nothing that a rebind to another ratio would draw.
    HorizontalReach horizontalReach() const override {
        constexpr auto kAnyRatio = static_cast<float>(1.5 / kMinimumPixelRatio * kTwipsPerPixel);
        return {reachLeft_ - kAnyRatio, reachRight_ + kAnyRatio};
    }

    // The pixels changed since the last call (drawn on, or wiped by a clear);
    // the record starts afresh. As one rectangle, or as a few, one for each
    // run of column bands alike, handed to visit(PixelRect).
    PixelRect takeChanged();
    template <typename Visit>
    void takeChanged(Visit visit);

    // A clear wipes the pixels only when they are next drawn on, handed over
    // or read, so that a box is wiped just before it is drawn again, while
    // the wiped pixels are still at hand in the cache. Call this before
    // reading the pixels other than through takeChanged().
    void settle();

    const PixelTarget& target() const { return target_; }
    double ratio() const { return ratio_; }

  private:
    PackColour pack_;
    DrawingRecord record_;
    bool recording_ = true;  // not while the record is replayed
    Colour backgroundColour_ = kWhite;
    Colour penColour_ = kBlack;
    PixelTarget target_;
    double ratio_ = 1;
    double twipsToPixels_ = 1.0 / kTwipsPerPixel;
    int thickness_ = 1;
    // Twips beyond which a segment cannot touch the pixels (with a margin).
    float reachLeft_ = 0, reachTop_ = 0, reachRight_ = 0, reachBottom_ = 0;
    BandedRegion changed_;  // wiped or drawn on since the last take
    BandedRegion inked_;    // drawn on since the last clear
    BandedRegion unwiped_;  // cleared, still to be wiped
    std::uint32_t background_;
    std::uint32_t pen_;
    ColumnPlan plan_;  // the columns of the eye diagrams' traces
};

template <typename Visit>
void PixelSurface::takeChanged(Visit visit) {
    settle();
    changed_.forEachRect(visit);
    changed_.clear();
}

}  // namespace tarvel::pixels
