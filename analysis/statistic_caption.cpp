#include "analysis/statistic_caption.h"

namespace tarvel {

// Placeholder until the channel analysis lands.
void setStatisticCaption(Label& label, double) { label.caption = " 0"; }

}  // namespace tarvel
