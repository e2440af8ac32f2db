#include "app/form_load.h"

#include "animation/animation_controls.h"

namespace tarvel {

void Form_Load(Form& form) {
    form.timer1.enabled = false;
    form.timer1.intervalMs = 100;

    form.cmbSymbol.items = {"0.5", "1.0", "2.0"};
    form.cmbSymbol.text = "1.0";
    form.cmbSymbol.listIndex = 1;  // setting the text selects the item...
    cmbSymbol_Click(form);         // ...and the list reports it like a user's choice

    form.state.dSymbolTime = 1.0;
    form.state.lPathColour = {RGB(0, 192, 0),   RGB(192, 0, 0),   RGB(0, 0, 192),
                              RGB(192, 192, 0), RGB(160, 0, 160), RGB(0, 160, 160),
                              RGB(64, 64, 128), RGB(64, 128, 64)};
    for (int i = 0; i < kPathCount; ++i) form.bringMarkerToFront(i);
    form.state.bChannelValid = false;
}

}  // namespace tarvel
