#include "app/hit_test.h"

namespace tarvel {

// Placeholder until the hit test lands.
std::optional<ControlRef> controlAt(const Form&, float, float) { return std::nullopt; }
bool isWindowSurfaceAt(const Form& form, float x, float y) { return !controlAt(form, x, y); }

}  // namespace tarvel
