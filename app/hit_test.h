#pragma once
// What lies under a point of the window's client area, as a drop sees it.

#include <optional>

#include "app/form.h"

namespace tarvel {

// The topmost visible control at (x, y) twips, or none when the point lies on
// the window's own surface (its lines and frames included).
std::optional<ControlRef> controlAt(const Form& form, float x, float y);

// True when a drop at (x, y) lands on the window's own surface.
bool isWindowSurfaceAt(const Form& form, float x, float y);

}  // namespace tarvel
