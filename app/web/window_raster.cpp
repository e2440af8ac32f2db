#include "app/web/window_raster.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <map>
#include <utility>

#include "app/json_writer.h"
#include "app/web/records_json.h"

namespace tarvel::web {
namespace {

// A stroke's round cap is two cubic quarter circles; their inner control
// points lie this far along the tangents, in radii.
constexpr double kQuarterCircleKappa = 0.5522847498;
// Curves are cut into lines until within this many device pixels of them.
constexpr double kCurveTolerance = 0.25;
// The outline's points in 1/64 of a device pixel, edges' x in 1/65536.
constexpr std::int64_t kSubpixels = 64;
constexpr std::int64_t kFixedOne = 65536;

struct Point {
    double x, y;
};

double toDip(float twips) {
    return static_cast<double>(twips) / kTwipsPerPixel;
}

// Qt's qRound of a double: halves away from zero.
std::int64_t roundToInt(double v) {
    return v >= 0.0 ? static_cast<std::int64_t>(v + 0.5) : static_cast<std::int64_t>(v - 0.5);
}

// Floor division by a power of two, for negative numbers too.
std::int64_t floorShift(std::int64_t v, int bits) {
    return v >= 0 ? v >> bits : -((-v + (std::int64_t{1} << bits) - 1) >> bits);
}

// The pixels an item covers, row by row, as merged half-open spans.
class RowSpans {
  public:
    void add(int y, int from, int to) {
        if (to <= from) return;
        auto& spans = rows_[y];
        spans.emplace_back(from, to);
        std::sort(spans.begin(), spans.end());
        std::vector<std::pair<int, int>> merged;
        for (const auto& span : spans) {
            if (!merged.empty() && span.first <= merged.back().second) {
                merged.back().second = std::max(merged.back().second, span.second);
            } else {
                merged.push_back(span);
            }
        }
        spans = std::move(merged);
    }

    // Rows with the same span one under another become one rectangle.
    std::vector<PixelRect> rects() const {
        std::vector<PixelRect> done;
        std::map<std::pair<int, int>, PixelRect> open;  // by span, growing down
        int lastRow = 0;
        for (const auto& [y, spans] : rows_) {
            std::map<std::pair<int, int>, PixelRect> next;
            for (const auto& span : spans) {
                const auto found = open.find(span);
                if (found != open.end() && y == lastRow + 1) {
                    PixelRect rect = found->second;
                    ++rect.height;
                    open.erase(found);
                    next.emplace(span, rect);
                } else {
                    next.emplace(span, PixelRect{span.first, y, span.second - span.first, 1});
                }
            }
            for (const auto& [span, rect] : open) done.push_back(rect);
            open = std::move(next);
            lastRow = y;
        }
        for (const auto& [span, rect] : open) done.push_back(rect);
        std::sort(done.begin(), done.end(), [](const PixelRect& a, const PixelRect& b) {
            return a.y != b.y ? a.y < b.y : a.x < b.x;
        });
        return done;
    }

  private:
    std::map<int, std::vector<std::pair<int, int>>> rows_;
};

// Halves the curve until each piece's control points lie within `tolerance`
// of its chord (measured as the engine measures it), appending the pieces'
// ends.
void flattenCubic(Point a, Point b, Point c, Point d, double tolerance, std::vector<Point>& out,
                  int depth = 0) {
    constexpr int kMostHalvings = 31;
    const double dx = d.x - a.x;
    const double dy = d.y - a.y;
    double length = std::fabs(dx) + std::fabs(dy);
    double offChord = 0;
    if (length > 1) {
        offChord = std::fabs(dx * (a.y - b.y) - dy * (a.x - b.x)) +
                   std::fabs(dx * (a.y - c.y) - dy * (a.x - c.x));
    } else {
        offChord = std::fabs(a.x - b.x) + std::fabs(a.y - b.y) + std::fabs(a.x - c.x) +
                   std::fabs(a.y - c.y);
        length = 1;
    }
    if (offChord < tolerance * length || depth >= kMostHalvings) {
        out.push_back(d);
        return;
    }
    const auto mid = [](Point p, Point q) { return Point{(p.x + q.x) / 2, (p.y + q.y) / 2}; };
    const Point ab = mid(a, b), bc = mid(b, c), cd = mid(c, d);
    const Point abc = mid(ab, bc), bcd = mid(bc, cd);
    const Point half = mid(abc, bcd);
    flattenCubic(a, ab, abc, half, tolerance, out, depth + 1);
    flattenCubic(half, bcd, cd, d, tolerance, out, depth + 1);
}

// The outline of a pen `width` DIP wide with round caps along the line, in
// DIP, as one closed polygon: along one side, round the far end, back along
// the other side and round the near end. Empty for a line of no length,
// which the engine does not paint.
std::vector<Point> strokeOutline(Point from, Point to, double width, double ratio) {
    std::vector<Point> outline;
    const double dx = to.x - from.x;
    const double dy = to.y - from.y;
    const double length = std::sqrt(dx * dx + dy * dy);
    if (length == 0) return outline;
    const double r = width / 2;
    const double k = r * kQuarterCircleKappa;
    const Point along{dx / length, dy / length};
    const Point side{along.y, -along.x};
    const double tolerance = kCurveTolerance / ratio;
    // From the end's point on the `normal` side round to the other.
    const auto cap = [&](Point end, Point forward, Point normal) {
        const Point start{end.x + normal.x * r, end.y + normal.y * r};
        const Point tip{end.x + forward.x * r, end.y + forward.y * r};
        const Point finish{end.x - normal.x * r, end.y - normal.y * r};
        outline.push_back(start);
        flattenCubic(start, {start.x + forward.x * k, start.y + forward.y * k},
                     {tip.x + normal.x * k, tip.y + normal.y * k}, tip, tolerance, outline);
        flattenCubic(tip, {tip.x - normal.x * k, tip.y - normal.y * k},
                     {finish.x + forward.x * k, finish.y + forward.y * k}, finish, tolerance,
                     outline);
    };
    outline.push_back({from.x + side.x * r, from.y + side.y * r});
    cap(to, along, side);
    cap(from, {-along.x, -along.y}, {-side.x, -side.y});
    return outline;
}

// Fills the closed polygon (DIP) by the non-zero rule at `ratio`.
void fillOutline(const std::vector<Point>& outline, double ratio, RowSpans& spans) {
    struct Edge {
        std::int64_t top, bottom;  // rows whose centres the edge reaches
        std::int64_t x, slope;     // at the top row's centre, 16.16
        int winding;
    };
    std::vector<Edge> edges;
    const auto subpixel = [ratio](Point p) {
        return std::pair{roundToInt(p.x * ratio * kSubpixels),
                         roundToInt(p.y * ratio * kSubpixels)};
    };
    for (std::size_t k = 0; k < outline.size(); ++k) {
        auto a = subpixel(outline[k]);
        auto b = subpixel(outline[(k + 1) % outline.size()]);
        if (a == b) continue;
        int winding = 1;
        if (a.second > b.second) {
            std::swap(a, b);
            winding = -1;
        }
        const std::int64_t top = floorShift(a.second + kSubpixels / 2, 6);
        const std::int64_t bottom = floorShift(b.second - kSubpixels / 2, 6);
        if (top > bottom) continue;
        const std::int64_t toFixed = kFixedOne / kSubpixels;
        const std::int64_t atA = kFixedOne / 2 + a.first * toFixed;
        if (a.first == b.first) {
            edges.push_back({top, bottom, atA, 0, winding});
            continue;
        }
        const double slope =
            static_cast<double>(b.first - a.first) / static_cast<double>(b.second - a.second);
        const auto slopeFixed = static_cast<std::int64_t>(slope * static_cast<double>(kFixedOne));
        const std::int64_t down = top * kFixedOne + kFixedOne / 2 - a.second * toFixed;
        const std::int64_t x = atA + floorShift(slopeFixed * down, 16);
        edges.push_back({top, bottom, x, slopeFixed, winding});
    }
    if (edges.empty()) return;
    std::int64_t first = edges.front().top;
    std::int64_t last = edges.front().bottom;
    for (const Edge& e : edges) {
        first = std::min(first, e.top);
        last = std::max(last, e.bottom);
    }
    std::vector<std::pair<std::int64_t, int>> crossings;
    for (std::int64_t y = first; y <= last; ++y) {
        crossings.clear();
        for (const Edge& e : edges) {
            if (y >= e.top && y <= e.bottom)
                crossings.emplace_back(e.x + e.slope * (y - e.top), e.winding);
        }
        std::sort(crossings.begin(), crossings.end(),
                  [](const auto& p, const auto& q) { return p.first < q.first; });
        std::int64_t from = 0;
        int winding = 0;
        for (const auto& [x, turn] : crossings) {
            const std::int64_t pixel = floorShift(x, 16);
            if (winding != 0)
                spans.add(static_cast<int>(y), static_cast<int>(from), static_cast<int>(pixel));
            from = pixel;
            winding += turn;
        }
    }
}

// A rectangle in DIP filled without anti-aliasing: its edges rounded to
// whole device pixels.
void fillRect(double x, double y, double width, double height, double ratio, RowSpans& spans) {
    const double left = x * ratio;
    const double top = y * ratio;
    const auto x1 = static_cast<int>(roundToInt(left));
    const auto y1 = static_cast<int>(roundToInt(top));
    const auto x2 = static_cast<int>(roundToInt(left + width * ratio));
    const auto y2 = static_cast<int>(roundToInt(top + height * ratio));
    for (int row = y1; row < y2; ++row) spans.add(row, x1, x2);
}

void strokeLine(Point from, Point to, int width, double ratio, RowSpans& spans) {
    fillOutline(strokeOutline(from, to, width, ratio), ratio, spans);
}

// As paintWideLine in app/qt/window_drawing.cpp: an upright or level line's
// middle is a rectangle cut at whole device pixels, its ends are strokes.
void wideLine(Point p1, Point p2, int width, double ratio, RowSpans& spans) {
    const bool upright = p1.x == p2.x;
    const bool level = p1.y == p2.y;
    if (upright == level || width < 2) {
        strokeLine(p1, p2, width, ratio, spans);
        return;
    }
    const double from = upright ? std::min(p1.y, p2.y) : std::min(p1.x, p2.x);
    const double to = upright ? std::max(p1.y, p2.y) : std::max(p1.x, p2.x);
    const double across = upright ? p1.x : p1.y;
    const double firstCut = std::ceil((from + 2 * width) * ratio) / ratio;
    const double lastCut = std::floor((to - 2 * width) * ratio) / ratio;
    if (!(ratio > 0) || lastCut - firstCut < width) {
        strokeLine(p1, p2, width, ratio, spans);
        return;
    }
    const auto point = [&](double t) { return upright ? Point{across, t} : Point{t, across}; };
    strokeLine(point(from), point(firstCut), width, ratio, spans);
    strokeLine(point(lastCut), point(to), width, ratio, spans);
    const double half = width / 2.0;
    if (upright) {
        fillRect(across - half, firstCut, width, lastCut - firstCut, ratio, spans);
    } else {
        fillRect(firstCut, across - half, lastCut - firstCut, width, ratio, spans);
    }
}

std::vector<PixelRect> rasterShape(const LineShape& line, double ratio) {
    if (!line.visible) return {};
    RowSpans spans;
    wideLine({toDip(line.x1), toDip(line.y1)}, {toDip(line.x2), toDip(line.y2)}, line.widthPx,
             ratio, spans);
    return spans.rects();
}

std::vector<PixelRect> rasterShape(const FilledShape& frame, double ratio) {
    if (!frame.visible) return {};
    RowSpans spans;
    fillRect(toDip(frame.left), toDip(frame.top), toDip(frame.width), toDip(frame.height), ratio,
             spans);
    return spans.rects();
}

}  // namespace

std::vector<PixelRect> rasterLine(double x1, double y1, double x2, double y2, int width,
                                  double ratio) {
    RowSpans spans;
    wideLine({x1, y1}, {x2, y2}, width, ratio, spans);
    return spans.rects();
}

RasteredItem rasterItem(const Form& form, DrawingRef item, double ratio) {
    const auto i = static_cast<std::size_t>(item.index);
    switch (item.kind) {
        case DrawingKind::Axis:
            return {item, rasterShape(form.axis(item.index), ratio)};
        case DrawingKind::Frame:
            return {item, rasterShape(form.cmdShape[i], ratio)};
        case DrawingKind::Impulse:
            return {item, rasterShape(form.lneImpulse[i], ratio)};
    }
    return {item, {}};
}

std::vector<RasteredItem> rasterWindowDrawing(const Form& form, double ratio) {
    std::vector<RasteredItem> items;
    for (const DrawingRef& item : kDrawingOrder) items.push_back(rasterItem(form, item, ratio));
    return items;
}

void writeRasteredItems(JsonWriter& json, const std::vector<RasteredItem>& items, double ratio) {
    json.beginObject();
    json.numberField("ratio", ratio);
    json.key("items");
    json.beginArray();
    for (const RasteredItem& item : items) {
        json.beginObject();
        json.stringField("id", drawingId(item.item));
        json.key("rects");
        json.beginArray();
        for (const PixelRect& r : item.rects) {
            for (const int v : {r.x, r.y, r.width, r.height}) json.integer(v);
        }
        json.endArray();
        json.endObject();
    }
    json.endArray();
    json.endObject();
}

std::string windowDrawingJson(const Form& form, double ratio) {
    JsonWriter json;
    writeRasteredItems(json, rasterWindowDrawing(form, ratio), ratio);
    return json.text();
}

}  // namespace tarvel::web
