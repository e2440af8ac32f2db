#include "animation/timer_tick.h"

#include "analysis/calc_channel.h"

namespace tarvel {

// Placeholder until the animation lands: draws the tick's 64 symbols only.
void Timer1_Timer(Form& form) {
    if (!form.state.bChannelValid) CalcChannel(form);
    for (int j = 0; j < kSymbols; ++j) form.state.generator.next();
}

}  // namespace tarvel
