#pragma once
// Shared set-up for the path editor's tests: a started window and small helpers.

#include <memory>

#include "app/form.h"
#include "support/started_form.h"

namespace tarvel::testing {

inline void switchOn(Form& form, int i) {
    form.cmdSource[i].backColour = form.state.lPathColour[i];
}

inline void place(Form& form, int i, float left, float top) {
    form.cmdSource[i].left = left;
    form.cmdSource[i].top = top;
    form.cmdShape[i].left = left;
    form.cmdShape[i].top = top;
}

}  // namespace tarvel::testing
