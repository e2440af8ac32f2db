#include "app/pixels/pixel_surface.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

namespace tarvel::pixels {
namespace {
// Runs up to this long are drawn through a column plan: an eye diagram's
// trace has 387 points.
constexpr std::size_t kMaxPlannedPoints = 1024;
// In the web page, WebAssembly in the browser, the plan measured slower
// than drawing segment by segment; there the segments are drawn directly.
#if defined(__EMSCRIPTEN__)
constexpr bool kPlanColumns = false;
#else
constexpr bool kPlanColumns = true;
#endif

// Each new pixel takes an inked pixel of the old ones it covers, if there
// is one: a thin line stays unbroken where the drawing shrinks.
void carryOver(const PixelTarget& from, const PixelTarget& to, std::uint32_t background) {
    const auto span = [](int k, int toSize, int fromSize) {
        const int first = static_cast<int>(std::int64_t{k} * fromSize / toSize);
        const int last = static_cast<int>(std::int64_t{k + 1} * fromSize / toSize);
        return std::pair{first, std::max(first + 1, last)};
    };
    for (int y = 0; y < to.height; ++y) {
        const auto [top, bottom] = span(y, to.height, from.height);
        for (int x = 0; x < to.width; ++x) {
            const auto [left, right] = span(x, to.width, from.width);
            std::uint32_t pixel = from.pixels[top * from.stride + left];
            for (int v = top; v < bottom && pixel == background; ++v) {
                for (int u = left; u < right && pixel == background; ++u) {
                    pixel = from.pixels[v * from.stride + u];
                }
            }
            to.pixels[y * to.stride + x] = pixel;
        }
    }
}
}  // namespace

// Rounded as the toolkit rounds a size: half a pixel up.
int wholeDips(float twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

int devicePixels(int dips, double ratio) {
    return static_cast<int>(std::lround(dips * ratio));
}

PixelSize devicePixelSizeOf(const PictureBox& box, double ratio) {
    return {devicePixels(wholeDips(box.innerWidth()), ratio),
            devicePixels(wholeDips(box.innerHeight()), ratio)};
}

PixelSurface::PixelSurface(PackColour pack)
    : pack_(pack), background_(pack(kWhite)), pen_(pack(kBlack)) {}

void PixelSurface::bind(PixelTarget target, double ratio) {
    target_ = target;
    ratio_ = ratio;
    for (int y = 0; y < target_.height; ++y) {
        std::fill(target_.pixels + y * target_.stride,
                  target_.pixels + y * target_.stride + target_.width, background_);
    }
    twipsToPixels_ = ratio / kTwipsPerPixel;
    thickness_ = std::max(1, static_cast<int>(std::lround(ratio)));
    constexpr float kMargin = 2.0f;  // twips; the rasteriser decides exactly
    reachLeft_ = static_cast<float>((0.5 - thickness_) / twipsToPixels_) - kMargin;
    reachTop_ = reachLeft_;
    reachRight_ = static_cast<float>(target_.width / twipsToPixels_) + kMargin;
    reachBottom_ = static_cast<float>(target_.height / twipsToPixels_) + kMargin;
    for (BandedRegion* region : {&changed_, &inked_, &unwiped_}) {
        region->resize(target_.width, target_.height);
    }
    changed_.unite(PixelRect{0, 0, target_.width, target_.height});
    if (kPlanColumns) plan_.reserve(kMaxPlannedPoints, target_.width);
}

void PixelSurface::rebind(PixelTarget target, double ratio) {
    settle();
    const PixelTarget old = target_;
    if (record_.complete()) {
        // The record ends where the surface stands: pen and background too.
        background_ = pack_(record_.background());
        bind(target, ratio);
        recording_ = false;
        record_.replay(*this);
        recording_ = true;
    } else {
        bind(target, ratio);
        carryOver(old, target_, background_);
        inked_.unite(PixelRect{0, 0, target_.width, target_.height});
    }
}

void PixelSurface::setBackground(Colour colour) {
    if (recording_) record_.setBackground(colour);
    backgroundColour_ = colour;
    settle();  // what was cleared before keeps the old background
    background_ = pack_(colour);
    inked_.unite(PixelRect{0, 0, target_.width, target_.height});  // the next clear wipes all
}

// Only what was drawn since the last clear needs wiping.
void PixelSurface::clear() {
    record_.restart(backgroundColour_, penColour_);
    unwiped_.unite(inked_);
    changed_.unite(inked_);
    inked_.clear();
}

// A plain loop: a library fill's stores seemed to bypass the cache, and the
// tick's drawing after it ran about three times slower.
void PixelSurface::settle() {
    if (unwiped_.isEmpty()) return;
    unwiped_.forEachRect([this](const PixelRect& rect) {
        for (int y = rect.top; y < rect.bottom; ++y) {
            std::fill(target_.pixels + y * target_.stride + rect.left,
                      target_.pixels + y * target_.stride + rect.right, background_);
        }
    });
    unwiped_.clear();
}

void PixelSurface::setColour(Colour colour) {
    if (recording_) record_.setColour(colour);
    penColour_ = colour;
    pen_ = pack_(colour);
}

void PixelSurface::line(float x1, float y1, float x2, float y2) {
    if (recording_) record_.line(x1, y1, x2, y2);
    // Most eye-diagram segments lie beside the box: turn them away first.
    if (std::max(x1, x2) < reachLeft_ || std::min(x1, x2) > reachRight_ ||
        std::max(y1, y2) < reachTop_ || std::min(y1, y2) > reachBottom_) {
        return;
    }
    settle();
    const double s = twipsToPixels_;
    const PixelRect drawn =
        drawLine(target_, static_cast<double>(x1) * s, static_cast<double>(y1) * s,
                 static_cast<double>(x2) * s, static_cast<double>(y2) * s, pen_, thickness_);
    inked_.unite(drawn);
    changed_.unite(drawn);
}

// The same segments as line() one by one. The runs of segments at either
// end that lie wholly beside the box are turned away first: an eye-diagram
// trace reaches the box only in its middle third.
void PixelSurface::polyline(std::span<const float> xy) {
    if (recording_) record_.polyline(xy);
    std::size_t first = 0;
    std::size_t end = xy.size() / 2;  // one past the last point
    const auto leftOfBox = [&](std::size_t point) { return xy[2 * point] < reachLeft_; };
    const auto rightOfBox = [&](std::size_t point) { return xy[2 * point] > reachRight_; };
    while (first + 1 < end && leftOfBox(first) && leftOfBox(first + 1)) ++first;
    while (end > first + 1 && rightOfBox(end - 1) && rightOfBox(end - 2)) --end;
    if (end - first < 2) return;
    settle();
    const float* run = xy.data() + 2 * first;
    PixelRect drawn;
    if (!kPlanColumns ||
        !plan_.draw(target_, run, end - first, twipsToPixels_, pen_, thickness_, drawn)) {
        drawn = drawPolyline(target_, run, end - first, twipsToPixels_, pen_, thickness_);
    }
    if (drawn.isEmpty()) return;
    inked_.unite(drawn);
    changed_.unite(drawn);
}

PixelRect PixelSurface::takeChanged() {
    PixelRect taken;
    takeChanged([&taken](const PixelRect& rect) { taken.unite(rect); });
    return taken;
}

}  // namespace tarvel::pixels
