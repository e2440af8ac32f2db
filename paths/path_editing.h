#pragma once
// Editing a path on the diagram: click to select and toggle, keys to step,
// right-button drag and drop onto the grid.

#include <string_view>

#include "app/form.h"

namespace tarvel {

constexpr int kRightButton = 2;

// The numeric value of a tag as the selection test reads it: the number at
// the start of the text, 0 for an empty text or one that starts with none.
double tagNumericValue(std::string_view tag);

void cmdSource_Click(Form& form, int index);
void cmdSource_KeyPress(Form& form, int index, int keyAscii);
// Starts a drag (form.dragSource) only for the right button.
void cmdSource_MouseDown(Form& form, int index, int button);
void Form_DragDrop(Form& form, int sourceIndex, float x, float y);

}  // namespace tarvel
