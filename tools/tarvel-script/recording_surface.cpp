#include "tools/tarvel-script/recording_surface.h"

namespace tarvel::script {

void RecordingSurface::clear() {
    segments_.clear();
    overflowed_ = false;
}

void RecordingSurface::line(float x1, float y1, float x2, float y2) {
    if (segments_.size() >= kMaxSegments) {
        overflowed_ = true;
        return;
    }
    segments_.push_back({x1, y1, x2, y2, colour_});
}

}  // namespace tarvel::script
