#pragma once
// The heaviest case the window meets in practice, shared by the core's and
// the window's benchmarks so that their figures compare: all eight paths
// switched on, scattered by "Random", fading at speed 5. Every tick then
// recomputes the channel, clears the eye diagrams and draws ten eyes (about
// 120 000 segments) and the spectrum.

#include "app/form.h"

namespace tarvel::bench {

// On a loaded form (after Form_Load), as a user would do it.
void switchOnEveryPathFadingAfterRandom(Form& form);

}  // namespace tarvel::bench
