#pragma once
// A user's actions on the window, each raising exactly the handlers that the
// real control raises, in order. The window and the scenario runner both go
// through these, so they cannot drift apart. A hidden control gets no events.
// Each takes any value a view, a page or a script may hand it: a bar value
// from outside its range lands on the nearer end; a marker, button, list
// index or key code that names nothing, or a point that is not finite, is
// refused and nothing runs.

#include "app/form.h"

namespace tarvel {

void clickMarker(Form& form, int index);
// A character key (code 0..255) on a marker; space also presses the button, as on any
// focused push button (the click follows the key).
void keyOnMarker(Form& form, int index, int keyAscii);
// A mouse button pressed on a marker; the right button starts a drag.
void pressOnMarker(Form& form, int index, int button);
// The button released at (x, y) twips while a drag is in flight: the drag
// ends, and the drop runs only over the window's own surface.
void releaseDrag(Form& form, float x, float y);
// The drag in flight ends with no drop at all, as when the dragged marker
// vanishes under the pointer.
void cancelDrag(Form& form);
// A right-button press on a marker and its release at (x, y), as one action.
void dragMarker(Form& form, int index, float x, float y);

void clickRandom(Form& form);
// Start (0) or Reset (1).
void clickGo(Form& form, int index);
void clickLinear(Form& form);
void clickMemory(Form& form);
// The bars' change handlers run only when the value changes.
void setFadeValue(Form& form, int value);
void setRangeValue(Form& form, int value);
void chooseSymbol(Form& form, int listIndex);
void clickEyeSurface(Form& form, ControlKind which);

}  // namespace tarvel
