#pragma once
// "Random": a random channel in one action, from the paths already switched on.

#include "app/form.h"

namespace tarvel {

// Every marker, on or off, with its frame to a random place: Left from 420 up
// to 5160, Top from power zero up to 540 (neither end reached for draws below 1),
// off the drop grid; a new phase in each tag. Takes exactly 24 draws, three
// per marker in marker order (Left, Top, phase); on/off states stay as they are.
void cmdRand_Click(Form& form);

}  // namespace tarvel
