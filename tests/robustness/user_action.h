#pragma once
// One user action on the window, as the scenario runner writes it, and how
// to raise it on a form through the same user-level entry points the window uses.

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
    int index = 0;       // marker, key code, bar value, list index, or eye surface 0..2
    int code = 0;        // key code for Key
    float x = 0, y = 0;  // release point of a drag, twips

    // The line that makes tarvel-script do the same.
    std::string scenarioLine() const;
};

UserAction randomAction(std::mt19937_64& random);

void perform(Form& form, const UserAction& action);

}  // namespace tarvel::robustness
