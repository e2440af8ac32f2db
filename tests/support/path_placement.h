#pragma once
// Putting paths on the diagram in a test, without going through the editor.

#include <cstddef>

#include "app/form.h"
#include "paths/path_state.h"

namespace tarvel::testing {

// Path i switched on: its marker in the path's colour. Nothing else runs.
inline void switchOn(Form& form, int i) {
    form.cmdSource[static_cast<std::size_t>(i)].backColour =
        form.state.lPathColour[static_cast<std::size_t>(i)];
}

// Marker i and its frame at (left, top) twips. Nothing else runs.
inline void place(Form& form, int i, float left, float top) {
    CommandButton& marker = form.cmdSource[static_cast<std::size_t>(i)];
    FilledShape& frame = form.cmdShape[static_cast<std::size_t>(i)];
    marker.left = frame.left = left;
    marker.top = frame.top = top;
}

// Path i switched on at (left, top), ending as an edit does: impulse lines
// redrawn, the analysis out of date.
inline void placePath(Form& form, int i, float left, float top) {
    switchOn(form, i);
    place(form, i, left, top);
    endPathEdit(form);
}

}  // namespace tarvel::testing
