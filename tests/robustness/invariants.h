#pragma once
// What must hold after every user action, whatever the user did.

#include <cstdint>
#include <string>

#include "app/form.h"
#include "user_action.h"

namespace tarvel::robustness {

// Empty when the form is sound; otherwise what is wrong. The shared arrays
// (a long scan) are checked only when asked: after actions that compute.
std::string checkInvariants(const Form& form, bool checkArrays = true);

// True for the actions that run the analysis or a tick.
bool computes(const UserAction& action);

// True when a value field reads as the caption rule writes a number, or "Inf".
bool isWellFormedCaption(const std::string& caption);

// How many uniform draws an action takes, judged from the form before it.
struct DrawBudget {
    std::uint64_t least = 0;
    bool exact = true;      // otherwise: at least `least`, the excess even (polar pairs)
    bool runsTick = false;  // the action ends with a tick: the analysis must be valid
};
DrawBudget drawBudget(const Form& before, const UserAction& action);

std::string checkDraws(const DrawBudget& budget, std::uint64_t drawsTaken);

}  // namespace tarvel::robustness
