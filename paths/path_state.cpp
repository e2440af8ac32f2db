#include "paths/path_state.h"

namespace tarvel {

bool isPathOn(const Form& form, int index) {
    return form.cmdSource[static_cast<std::size_t>(index)].backColour != form.backColour;
}

void ShowImpulses(Form& form) {
    for (int i = 0; i < kPathCount; ++i) {
        const CommandButton& marker = form.cmdSource[static_cast<std::size_t>(i)];
        LineShape& impulse = form.lneImpulse[static_cast<std::size_t>(i)];
        if (isPathOn(form, i)) {
            const float x = marker.width / 2 + marker.left;
            impulse.x1 = x;
            impulse.x2 = x;
            impulse.y1 = marker.height / 2 + marker.top;
            impulse.y2 = form.line2.y1;
            impulse.visible = true;
        } else {
            impulse.visible = false;
        }
    }
}

void endPathEdit(Form& form) {
    ShowImpulses(form);
    form.state.bChannelValid = false;
}

}  // namespace tarvel
