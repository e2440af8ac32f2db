#pragma once
// Helpers shared by the animation tests: a surface that records what it is
// given, and paths switched on the way the editor leaves them.

#include <memory>
#include <vector>

#include "app/form.h"
#include "support/started_form.h"
#include "support/recording_surface.h"
#include "paths/path_state.h"

namespace tarvel::test_support {

using testing::RecordingSurface;
using testing::Segment;
using testing::startedForm;

// Marker and frame at (left, top), in the path's colour; the analysis is then
// out of date, as after any edit.
inline void switchOn(Form& form, int index, float left, float top) {
    CommandButton& marker = form.cmdSource[static_cast<std::size_t>(index)];
    FilledShape& frame = form.cmdShape[static_cast<std::size_t>(index)];
    marker.backColour = form.state.lPathColour[static_cast<std::size_t>(index)];
    marker.left = frame.left = left;
    marker.top = frame.top = top;
    endPathEdit(form);
}

constexpr int kSegmentsPerEye = 31 * 386;

}  // namespace tarvel::test_support
