#include "app/picture_description.h"

#include "paths/path_state.h"

namespace tarvel {

std::string impulseDiagramDescription(const Form& form) {
    int on = 0;
    for (int i = 0; i < kPathCount; ++i) on += isPathOn(form, i) ? 1 : 0;
    if (on == 0) return "No path is on.";
    return std::to_string(on) + (on == 1 ? " path on." : " paths on.");
}

}  // namespace tarvel
