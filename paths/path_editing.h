#pragma once
// Editing a path on the diagram: click to select and toggle, keys to step,
// right-button drag and drop onto the grid.

#include "app/form.h"
#include "app/integer_conversion.h"

namespace tarvel {

// The mouse buttons by the codes the core takes (the window system's own):
// each view maps its buttons to these in one place.
enum class MouseButton : int { Left = 1, Right = 2, Middle = 4 };
constexpr int buttonCode(MouseButton button) {
    return static_cast<int>(button);
}
constexpr int kRightButton = buttonCode(MouseButton::Right);

// Left click: the first selects the marker (tag "37", every other tag "0"),
// a second on the selected marker switches its path on or off.
void cmdSource_Click(Form& form, int index);
// "u", "d", "l", "r" in either case step the marker by 120 twips within the
// editor's limits; any key re-syncs the marker's frame and ends as an edit.
void cmdSource_KeyPress(Form& form, int index, int keyAscii);
// Starts a drag (form.dragSource) only for the right button.
void cmdSource_MouseDown(Form& form, int index, int button);
// The dragged marker released over the window's own surface at (x, y) twips:
// centred on the pointer, parked or clamped, snapped to the grid, given a new
// phase from the shared generator; every frame follows its marker.
void Form_DragDrop(Form& form, int sourceIndex, float x, float y);

}  // namespace tarvel
