#pragma once
// Every control's record as the page mirrors it, in one JSON object:
//   caption, clientWidth, clientHeight, backColour, timer {enabled, intervalMs},
//   dropPlaceName, impulseDescription (the impulse diagram in words), the
//   core's units twipsPerPixel,
//   pictureBorderPx and mouseButtons {left, middle, right} (the codes the model
//   takes), tabOrder [ids, lowest first], markerStack [indices, bottom first],
//   lines [{id, x1, y1, x2, y2, widthPx, visible}], drawingOrder [ids of the
//   lines and frames, bottom first, all beneath the controls], and controls
//   [{id, index, rank, events, kind, left, top, width, height, visible, name,
//   description, ...}]: index within its control array, rank in the stacking
//   (0 lowest) and the events its table entry takes ("click", "key", "press",
//   "change"), from the table of controls; kind is label, marker, frame,
//   button, toggle, hbar, vbar, list, image or picture, each with the fields
//   of its record: a label also has wraps, a marker on (its path switched
//   on), a picture surface (its number in the model); a frame has only its
//   fillColour and visible, its place being in the drawing's pixels.
//   Positions are twips; colours "#rrggbb". A control's id is its name in the
//   core: "cmdSource-3", "lblAt-19", "cmdRand", "picSpectrum"; a line's or
//   frame's "Line2", "lneImpulse-3", "cmdShape-3".

#include <optional>
#include <string>

#include "app/control_table.h"
#include "app/form.h"
#include "app/form_changes.h"
#include "app/web/window_raster.h"

namespace tarvel::web {

// The ids are the control table's.
using tarvel::controlId;
using tarvel::drawingId;
std::string recordsJson(const Form& form);

// Only what changed, as JSON: controls [the changed controls' and frames'
// records, as in recordsJson], lines [the changed lines' records], drawing
// {ratio, items: [{id, rects}]} (the changed items of the window's drawing,
// `drawn`, in device pixels), markerStack and timer when they changed,
// messages [texts shown since, oldest first], and impulseDescription (the
// impulse diagram in words) when `impulseDescription` is given.
std::string changesJson(const Form& form, const FormChanges& changes,
                        const std::vector<RasteredItem>& drawn, double ratio,
                        const std::optional<std::string>& impulseDescription = std::nullopt);

}  // namespace tarvel::web
