#include "paths/random_channel.h"

#include <cstddef>

#include "paths/diagram_geometry.h"
#include "paths/path_state.h"
#include "paths/tag_text.h"

namespace tarvel {
namespace {

constexpr double kLeftSpan = 4740;
constexpr double kLeftStart = 420;
constexpr double kTopSpan = -3360;  // upwards: higher power

double drawFrom(Form& form) {
    return static_cast<double>(form.state.generator.next());
}

}  // namespace

void cmdRand_Click(Form& form) {
    for (std::size_t i = 0; i < kPathCount; ++i) {
        CommandButton& marker = form.cmdSource[i];
        FilledShape& frame = form.cmdShape[i];
        // Evaluated exactly from the single-precision draw, rounded once to the
        // single-precision position.
        marker.left = static_cast<float>(drawFrom(form) * kLeftSpan + kLeftStart);
        marker.top =
            static_cast<float>(drawFrom(form) * kTopSpan + static_cast<double>(kPowerZeroTop));
        frame.top = marker.top;
        frame.left = marker.left;
        marker.tag = phaseTagText((2 * drawFrom(form) + 1) * kPhaseScale);
    }
    endPathEdit(form);
}

}  // namespace tarvel
