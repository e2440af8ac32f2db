#include "animation/animation_controls.h"

#include <cstdlib>

#include "analysis/calc_channel.h"
#include "animation/timer_tick.h"
#include "display/plot_eye.h"

namespace tarvel {
namespace {

void clearEyeDiagrams(Form& form) {
    form.picIndividual.clear();
    form.picCombo.clear();
    form.picSumGraph.clear();
}

}  // namespace

void cmdGo_Click(Form& form, int index) {
    if (index == 0) {
        form.timer1.enabled = true;
        return;
    }
    form.timer1.enabled = false;
    clearEyeDiagrams(form);
    for (int i = 0; i < kPathCount; ++i) {
        CommandButton& marker = form.cmdSource[static_cast<std::size_t>(i)];
        marker.pressed = false;
        marker.backColour = form.backColour;
        marker.visible = true;
        form.cmdShape[static_cast<std::size_t>(i)].visible = false;
        form.lneImpulse[static_cast<std::size_t>(i)].visible = false;
    }
    CalcChannel(form);
    Timer1_Timer(form);
}

void hscFade_Change(Form& form) {
    if (form.hscFade.value != 0) return;  // a speed is read by the next tick's fading
    for (int i = 0; i < kPathCount; ++i) {
        form.cmdSource[static_cast<std::size_t>(i)].visible = true;
        form.cmdShape[static_cast<std::size_t>(i)].visible = false;
    }
    CalcChannel(form);
    Timer1_Timer(form);
}

void cmbSymbol_Change(Form& form) {
    form.state.dSymbolTime = std::strtod(form.cmbSymbol.text.c_str(), nullptr) / 1.0;
    form.state.bChannelValid = false;
    clearEyeDiagrams(form);
    CalcChannel(form);
    Timer1_Timer(form);
}

void cmbSymbol_Click(Form& form) { cmbSymbol_Change(form); }

}  // namespace tarvel
