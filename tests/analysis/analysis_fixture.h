#pragma once
// Helpers shared by the analysis tests: a started window, paths switched on
// at given frame positions, and a surface that records what is drawn on it.

#include <memory>
#include <vector>

#include "app/form.h"
#include "support/started_form.h"
#include "support/recording_surface.h"

namespace tarvel::testing {

// Switches path i on with its marker and frame at (left, top) twips.
inline void placePath(Form& form, int i, float left, float top) {
    CommandButton& marker = form.cmdSource[static_cast<std::size_t>(i)];
    marker.backColour = form.state.lPathColour[static_cast<std::size_t>(i)];
    marker.left = left;
    marker.top = top;
    FilledShape& frame = form.cmdShape[static_cast<std::size_t>(i)];
    frame.left = left;
    frame.top = top;
    frame.visible = true;
}

}  // namespace tarvel::testing
