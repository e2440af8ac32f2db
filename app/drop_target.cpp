#include "app/drop_target.h"

#include <cstddef>

#include "app/control_table.h"

namespace tarvel {
namespace {

template <typename Control>
bool catches(const Control& control, float x, float y) {
    return control.visible && control.contains(x, y);
}

bool insideClientArea(const Form& form, float x, float y) {
    // Written so that a NaN coordinate counts as outside.
    return x >= 0 && y >= 0 && x < form.clientWidth && y < form.clientHeight;
}

}  // namespace

std::optional<ControlRef> controlAt(const Form& form, float x, float y) {
    if (!insideClientArea(form, x, y)) return std::nullopt;

    // The markers were brought to the front last of all.
    for (auto it = form.markerStack.rbegin(); it != form.markerStack.rend(); ++it) {
        if (catches(form.cmdSource[static_cast<std::size_t>(*it)], x, y)) {
            return ControlRef{ControlKind::CmdSource, *it};
        }
    }
    // Every other control as the table stacks it, top first.
    const std::span<const ControlEntry> table = controlTable();
    for (auto it = table.rbegin(); it != table.rend(); ++it) {
        if (it->control.kind == ControlKind::CmdSource) continue;
        const ControlPlace place = it->place(form, it->control.index);
        if (place.visible && place.box.contains(x, y)) return it->control;
    }
    return std::nullopt;
}

bool isWindowSurfaceAt(const Form& form, float x, float y) {
    return insideClientArea(form, x, y) && !controlAt(form, x, y);
}

}  // namespace tarvel
