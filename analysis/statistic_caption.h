#pragma once
// How a delay statistic or bandwidth is written into its value field: two
// decimals (ties to even), a leading space before a non-negative number, a
// "0" restored before a leading point (" .25" becomes "0.25").

#include "app/controls.h"

namespace tarvel {

void setStatisticCaption(Label& label, double value);

}  // namespace tarvel
