#pragma once

#include <cstdint>

#include "app/form.h"

namespace tarvel {

// One Gauss-Markov step of path i's fading gain; shows the faded power as the
// height of the path's frame.
void FadePath(Form& form, std::int16_t index);

}  // namespace tarvel
