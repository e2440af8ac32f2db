#include "paths/random_channel.h"

namespace tarvel {

// Placeholder until "Random" lands.
void cmdRand_Click(Form&) {}

}  // namespace tarvel
