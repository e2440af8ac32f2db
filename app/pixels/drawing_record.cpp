#include "app/pixels/drawing_record.h"

namespace tarvel::pixels {

void DrawingRecord::restart(Colour background, Colour pen) {
    ops_.clear();
    background_ = background;
    pen_ = pen;
    complete_ = true;
}

bool DrawingRecord::room(std::size_t floats) {
    if (complete_ && ops_.size() + floats > kLimit) {
        complete_ = false;
        ops_.clear();
    }
    return complete_;
}

void DrawingRecord::setColour(Colour colour) {
    if (room(2)) ops_.insert(ops_.end(), {float{kColour}, static_cast<float>(colour)});
}

void DrawingRecord::setBackground(Colour colour) {
    if (room(2)) ops_.insert(ops_.end(), {float{kBackground}, static_cast<float>(colour)});
}

void DrawingRecord::line(float x1, float y1, float x2, float y2) {
    if (room(5)) ops_.insert(ops_.end(), {float{kLine}, x1, y1, x2, y2});
}

void DrawingRecord::polyline(std::span<const float> xy) {
    if (!room(2 + xy.size())) return;
    ops_.insert(ops_.end(), {float{kPolyline}, static_cast<float>(xy.size())});
    ops_.insert(ops_.end(), xy.begin(), xy.end());
}

}  // namespace tarvel::pixels
