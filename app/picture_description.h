#pragma once
// The pictures put into words, for a student who cannot see them: the
// impulse diagram, the frequency response and the three eye diagrams. Both
// views read these texts as the pictures' accessible descriptions.

#include <string>

#include "app/form.h"

namespace tarvel {

// "No path is on." or "3 paths on: path 1 at 0.70 µs, relative power 0.50;
// ...", in path order.
std::string impulseDiagramDescription(const Form& form);

}  // namespace tarvel
