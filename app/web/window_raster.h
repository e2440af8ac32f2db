#pragma once
// The window's own drawing (the axes, the paths' frames and impulse lines)
// in device pixels, as the desktop window's painter puts it on the screen:
// Qt's raster engine without anti-aliasing, wide lines with round caps, the
// window's drawing code (app/qt/window_drawing.cpp) filling an upright or
// level line's middle as a rectangle. A browser strokes a line with its own
// anti-aliasing and cap shapes; the page shows these pixels instead.
//
// Qt's rules, as the engine applies them to these shapes:
// - a rectangle covers the device pixels from qRound(left) to qRound(right);
// - a stroke is the outline of the pen around the line: two sides and a
//   round cap of two cubic quarter circles at each end. The curves are cut
//   into lines until flat to a quarter of a device pixel, every point is
//   rounded to 1/64 of a device pixel, and the outline is filled by
//   sampling each row at its pixels' centres: a pixel is inside when its
//   centre lies right of the left edge and not right of the right edge,
//   with rows whose centre lies on an end of an edge counted in.

#include <string>
#include <vector>

#include "app/form.h"
#include "app/json_writer.h"

namespace tarvel::web {

struct PixelRect {
    int x, y, width, height;
    bool operator==(const PixelRect&) const = default;
};

// The pixels one item covers, in rectangles that do not overlap; none for
// an item that is hidden.
struct RasteredItem {
    DrawingRef item;
    std::vector<PixelRect> rects;
};

// A line `width` DIP wide from (x1, y1) to (x2, y2) in DIP, as the window
// paints it at `ratio` device pixels to a DIP (app/qt/window_drawing.h).
std::vector<PixelRect> rasterLine(double x1, double y1, double x2, double y2, int width,
                                  double ratio);

// One item of the window's drawing.
RasteredItem rasterItem(const Form& form, DrawingRef item, double ratio);
// Every item of the window's drawing in the core's drawing order.
std::vector<RasteredItem> rasterWindowDrawing(const Form& form, double ratio);

// Items as JSON for the page: {"ratio": r, "items": [{"id": "Line1", "rects":
// [x, y, width, height, ...]}, ...]} in device pixels, in the order given.
void writeRasteredItems(JsonWriter& json, const std::vector<RasteredItem>& items, double ratio);

// Every item as JSON for the page, bottom first.
std::string windowDrawingJson(const Form& form, double ratio);

}  // namespace tarvel::web
