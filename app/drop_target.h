#pragma once
// What lies under a point of the window's client area, as a drop sees it.
// Lines, the paths' frames and the impulse lines are painted on the window's
// own surface and catch nothing; hidden controls catch nothing either.

#include <optional>

#include "app/form.h"

namespace tarvel {

// The topmost visible control at (x, y) twips, or none when no control is
// there: the point lies on the window's own surface or outside the client area.
// Stacking, top first: the markers (the last of form.markerStack on top),
// then every other control as the control table stacks it, as the window
// does.
std::optional<ControlRef> controlAt(const Form& form, float x, float y);

// True when a drop at (x, y) lands on the window's own surface: inside the
// client area and over no control.
bool isWindowSurfaceAt(const Form& form, float x, float y);

}  // namespace tarvel
