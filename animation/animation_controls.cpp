#include "animation/animation_controls.h"

#include "analysis/calc_channel.h"
#include "animation/timer_tick.h"
#include "app/number_text.h"
#include "display/plot_eye.h"

namespace tarvel {
namespace {

// Fading has stopped: the markers come back and every frame returns to its
// marker, so the analysis describes the powers that the diagram shows.
void showMarkersInPlaceOfFrames(Form& form) {
    for (int i = 0; i < kPathCount; ++i) {
        CommandButton& marker = form.cmdSource[static_cast<std::size_t>(i)];
        FilledShape& frame = form.cmdShape[static_cast<std::size_t>(i)];
        marker.visible = true;
        frame.visible = false;
        frame.left = marker.left;
        frame.top = marker.top;
    }
}

// The list's items are numbers with a decimal point whatever the locale.
double numericValue(const std::string& text) {
    double value = 0;
    readNumber(text.data(), text.data() + text.size(), value);
    return value;
}

}  // namespace

void cmdGo_Click(Form& form, int index) {
    if (index == kGoStart) {
        form.timer1.enabled = true;
        return;
    }
    form.timer1.enabled = false;
    clearEyeDiagrams(form);
    for (int i = 0; i < kPathCount; ++i) {
        CommandButton& marker = form.cmdSource[static_cast<std::size_t>(i)];
        marker.pressed = false;
        marker.backColour = form.backColour;
        form.lneImpulse[static_cast<std::size_t>(i)].visible = false;
    }
    showMarkersInPlaceOfFrames(form);
    CalcChannel(form);
    Timer1_Timer(form);
}

void hscFade_Change(Form& form) {
    if (form.hscFade.value != 0) return;  // a speed is read by the next tick's fading
    showMarkersInPlaceOfFrames(form);
    CalcChannel(form);
    Timer1_Timer(form);
}

void cmbSymbol_Change(Form& form) {
    form.state.dSymbolTime = numericValue(form.cmbSymbol.text) / 1.0;
    form.state.bChannelValid = false;
    clearEyeDiagrams(form);
    CalcChannel(form);
    Timer1_Timer(form);
}

void cmbSymbol_Click(Form& form) {
    cmbSymbol_Change(form);
}

}  // namespace tarvel
