#pragma once
// "Start" / "Reset", the fading-speed bar and the symbol-time list.

#include "app/form.h"

namespace tarvel {

void cmdGo_Click(Form& form, int index);
void hscFade_Change(Form& form);
void cmbSymbol_Change(Form& form);
void cmbSymbol_Click(Form& form);

}  // namespace tarvel
