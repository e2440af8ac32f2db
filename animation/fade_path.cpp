#include "animation/fade_path.h"

namespace tarvel {

// Placeholder until the fading model lands.
void FadePath(Form&, std::int16_t) {}

}  // namespace tarvel
