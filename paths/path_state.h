#pragma once
// A path is the group marker `cmdSource(i)`, frame `cmdShape(i)` and impulse
// line `lneImpulse(i)`; its on/off state is its marker's colour.

#include "app/form.h"

namespace tarvel {

// Switched on exactly when the marker's colour differs from the window's.
bool isPathOn(const Form& form, int index);

// Keeps every impulse line hanging from its marker's centre down to the delay axis.
void ShowImpulses(Form& form);

// The closing steps of every path edit: lines follow, analysis out of date.
void endPathEdit(Form& form);

}  // namespace tarvel
