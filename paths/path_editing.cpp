#include "paths/path_editing.h"

namespace tarvel {

// Placeholders until path editing lands.
double tagNumericValue(std::string_view) { return 0; }
void cmdSource_Click(Form&, int) {}
void cmdSource_KeyPress(Form&, int, int) {}
void cmdSource_MouseDown(Form&, int, int) {}
void Form_DragDrop(Form&, int, float, float) {}

}  // namespace tarvel
