#pragma once
// Every control's record as the page mirrors it, in one JSON object:
//   caption, clientWidth, clientHeight, backColour, timer {enabled, intervalMs},
//   dragSource (-1 for none), dropPlaceName, the core's units twipsPerPixel,
//   pathCount and mouseButtons {left, middle, right} (the codes the model
//   takes), tabOrder [ids, lowest first], markerStack [indices, bottom first],
//   lines [{id, x1, y1, x2, y2, widthPx, visible}], drawingOrder [ids of the
//   lines and frames, bottom first, all beneath the controls], and controls
//   [{id, kind, left, top, width, height, visible, name, description, ...}]
//   where kind is label, marker, frame, button, toggle, hbar, vbar, list,
//   image or picture, each with the fields of its record: a label also has
//   wraps, a marker on (its path switched on), a picture surface (its number
//   in the model). Positions are twips; colours "#rrggbb". A control's id is
//   its name in the core: "cmdSource-3", "lblAt-19", "cmdRand", "picSpectrum";
//   a line's or frame's "Line2", "lneImpulse-3", "cmdShape-3".

#include <string>

#include "app/control_table.h"
#include "app/form.h"

namespace tarvel::web {

// The ids are the control table's.
using tarvel::controlId;
using tarvel::drawingId;
std::string recordsJson(const Form& form);

}  // namespace tarvel::web
