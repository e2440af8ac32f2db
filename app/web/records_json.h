#pragma once
// Every control's record as the page mirrors it, in one JSON object:
//   caption, clientWidth, clientHeight, backColour, timer {enabled, intervalMs},
//   dragSource (-1 for none), tabOrder [ids, lowest first], markerStack [indices,
//   bottom first], lines [{id, x1, y1, x2, y2, widthPx, visible}], and controls
//   [{id, kind, left, top, width, height, visible, name, description, ...}]
//   where kind is label, marker, frame, button, toggle, hbar, vbar, list,
//   image or picture, each with the fields of its record. Positions are twips;
//   colours "#rrggbb". A control's id is its name in the core: "cmdSource-3",
//   "lblAt-19", "cmdRand", "picSpectrum".

#include <string>

#include "app/form.h"

namespace tarvel::web {

std::string controlId(ControlRef control);
std::string recordsJson(const Form& form);

}  // namespace tarvel::web
