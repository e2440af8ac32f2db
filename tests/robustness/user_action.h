#pragma once
// One user action on the window, as the scenario runner writes it, and how
// to raise it on a form through the same user-level entry points the window uses.
// Some carry values that no control would give (indices that name nothing,
// bar values beyond their ends, coordinates that are not finite).

#include <cstdint>
#include <random>
#include <string>

#include "app/form.h"

namespace tarvel::robustness {

struct UserAction {
    enum class Kind {
        Click,
        Key,
        Drag,
        Random,
        Start,
        Reset,
        Tick,
        Fade,
        Symbol,
        Linear,
        Memory,
        Range,
        Clear
    };
    Kind kind = Kind::Tick;
    // Marker, Start's button, bar value, list index, or surface 0..3; any
    // int, since the core takes any.
    int index = 0;
    int code = 0;        // key code for Key, any int
    float x = 0, y = 0;  // release point of a drag, twips

    // The line that makes tarvel-script do the same; for a value the runner
    // refuses, a comment, and the clamped value where the core clamps.
    std::string scenarioLine() const;
};

UserAction randomAction(std::mt19937_64& random);

void perform(Form& form, const UserAction& action);

}  // namespace tarvel::robustness
