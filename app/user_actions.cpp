#include "app/user_actions.h"

#include <algorithm>
#include <cmath>

#include "animation/animation_controls.h"
#include "app/control_table.h"
#include "app/drop_target.h"
#include "display/plot_eye.h"
#include "display/plot_spectrum.h"
#include "paths/path_editing.h"
#include "paths/random_channel.h"

namespace tarvel {
namespace {

constexpr int kSpace = 32;
constexpr int kLastCharacterCode = 255;

bool markerVisible(const Form& form, int index) {
    return index >= 0 && index < kPathCount &&
           form.cmdSource[static_cast<std::size_t>(index)].visible;
}

bool isFinitePoint(float x, float y) {
    return std::isfinite(x) && std::isfinite(y);
}

// A bar's change handler reads its value as one of min..max (the fading
// speed as a table row), so a value from outside lands on the nearer end.
bool setBarValue(ScrollBar& bar, int value) {
    value = std::clamp(value, bar.min, bar.max);
    if (value == bar.value) return false;
    bar.value = value;
    return true;
}

}  // namespace

void clickMarker(Form& form, int index) {
    if (markerVisible(form, index)) cmdSource_Click(form, index);
}

void keyOnMarker(Form& form, int index, int keyAscii) {
    // A key press carries a character code, one byte.
    if (!markerVisible(form, index) || keyAscii < 0 || keyAscii > kLastCharacterCode) return;
    cmdSource_KeyPress(form, index, keyAscii);
    if (keyAscii == kSpace) cmdSource_Click(form, index);
}

void pressOnMarker(Form& form, int index, int button) {
    if (markerVisible(form, index)) cmdSource_MouseDown(form, index, button);
}

void releaseDrag(Form& form, float x, float y) {
    if (!form.dragSource) return;
    const int source = *form.dragSource;
    cancelDrag(form);
    // The button is up whatever the point: a point that is not finite ends
    // the drag with no drop, as one off the window does.
    if (isFinitePoint(x, y) && isWindowSurfaceAt(form, x, y)) Form_DragDrop(form, source, x, y);
}

void cancelDrag(Form& form) {
    form.dragSource.reset();
}

void dragMarker(Form& form, int index, float x, float y) {
    // Refused whole, so that it cannot drop a drag already in flight.
    if (!markerVisible(form, index) || !isFinitePoint(x, y)) return;
    pressOnMarker(form, index, kRightButton);
    releaseDrag(form, x, y);
}

void clickRandom(Form& form) {
    cmdRand_Click(form);
}

void clickGo(Form& form, int index) {
    // The handler takes every index but Start's for Reset.
    if (index < 0 || index >= kGoCount) return;
    cmdGo_Click(form, index);
}

void clickLinear(Form& form) {
    form.chkLinear.value = form.chkLinear.value == 0 ? 1 : 0;
    chkLinear_Click(form);
}

void clickMemory(Form& form) {
    form.chkMemory.value = form.chkMemory.value == 0 ? 1 : 0;
    chkMemory_Click(form);
}

void setFadeValue(Form& form, int value) {
    if (setBarValue(form.hscFade, value)) hscFade_Change(form);
}

void setRangeValue(Form& form, int value) {
    if (setBarValue(form.vscSpectrumRange, value)) vscSpectrumRange_Change(form);
}

void chooseSymbol(Form& form, int listIndex) {
    const auto& items = form.cmbSymbol.items;
    if (listIndex < 0 || listIndex >= static_cast<int>(items.size())) return;
    form.cmbSymbol.listIndex = listIndex;
    form.cmbSymbol.text = items[static_cast<std::size_t>(listIndex)];
    cmbSymbol_Click(form);
}

void clickEyeSurface(Form& form, ControlKind which) {
    // Only the eye diagrams take a click (the table of controls says which);
    // a click on any other control is no click on an eye diagram.
    if (pictureNumber(which) >= 0) runControlEvent(form, {which, 0}, ControlEvent::Click);
}

}  // namespace tarvel
