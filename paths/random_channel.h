#pragma once

#include "app/form.h"

namespace tarvel {

// "Random": every marker to a random place, on/off states untouched; 24 draws.
void cmdRand_Click(Form& form);

}  // namespace tarvel
