#include "bench/heaviest_case.h"

#include "app/user_actions.h"

namespace tarvel::bench {

void switchOnEveryPathFadingAfterRandom(Form& form) {
    for (int i = 0; i < kPathCount; ++i) {
        clickMarker(form, i);  // selects it
        clickMarker(form, i);  // switches it on
    }
    clickRandom(form);
    setFadeValue(form, 5);
}

}  // namespace tarvel::bench
