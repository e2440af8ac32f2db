#pragma once

#include "app/form.h"

namespace tarvel {

// Start-up: timer stopped, the symbol-time list filled and "1.0" selected
// (which runs the symbol-time change), colours, marker stack, analysis out of date.
void Form_Load(Form& form);

}  // namespace tarvel
