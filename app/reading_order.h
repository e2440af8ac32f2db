#pragma once
// What a screen reader's reading keys walk: the form area by area in the
// order of its layout (top left to bottom right), while Tab keeps the
// window's focus order. Each figure is read once, with its unit; what the
// layout shows only for the eye (the axes' tick numbers, a unit's separate
// labels, a title that names its control already) is not read.

#include <string_view>
#include <vector>

#include "app/form.h"

namespace tarvel {

// One thing an area reads: a control, or the impulse diagram as a picture
// (drawn on the window's own surface, so no control), or the eight path
// markers, which take their keys straight and are read in path order.
struct ReadingItem {
    enum class Kind { Control, ImpulseDiagram, Markers };
    Kind kind = Kind::Control;
    ControlRef control{ControlKind::LblAt, 0};
};

// An area: its name, or the label that titles it (titleLabel >= 0 names
// lblAt(titleLabel), whose text is then the area's name).
struct ReadingArea {
    std::string_view id;
    std::string_view name;
    int titleLabel = -1;
    std::vector<ReadingItem> items;
};

const std::vector<ReadingArea>& readingAreas();

// The controls as the reading keys meet them, the areas one after another
// and the markers in path order; made once, as a reader asks for it often.
const std::vector<ControlRef>& readingOrder();

}  // namespace tarvel
