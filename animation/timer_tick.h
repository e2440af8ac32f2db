#pragma once

#include "app/form.h"

namespace tarvel {

// One tick of the animation: fading, analysis refresh, 64 symbols through
// the pulse and every switched-on path, three eye diagrams.
void Timer1_Timer(Form& form);

}  // namespace tarvel
