#pragma once
// Where each control of the window lies in a grab, in device pixels, and
// where its text lies (glyphs are the font rasteriser's own and are not
// compared): the browser test names the control a differing pixel falls in.

#include <QRect>
#include <string>

#include "app/qt/form1.h"

namespace tarvel::tools {

// One JSON object per control, in the core's list of controls:
//   {"id": "cmdRand", "box": [x, y, w, h], "visible": true, "text": [x, y, w, h] or null}
std::string controlBoxesJson(const view::Form1& window, qreal ratio);

// The rectangle the widget's caption is drawn in, in the window's DIP;
// empty for a widget without text.
QRect textRectOf(const QWidget* widget);

}  // namespace tarvel::tools
