#include "tools/surface-pixels/surface_actions.h"

#include <algorithm>
#include <sstream>

#include "animation/timer_tick.h"
#include "app/controls.h"
#include "app/user_actions.h"
#include "paths/path_editing.h"

namespace tarvel::tools {
namespace {

constexpr int kLeftButton = 1;

ControlKind pictureNamed(const std::string& name) {
    if (name == "picIndividual") return ControlKind::PicIndividual;
    if (name == "picCombo") return ControlKind::PicCombo;
    if (name == "picSumGraph") return ControlKind::PicSumGraph;
    return ControlKind::PicSpectrum;
}

// The key's character code as the page sends it for a marker.
int characterOf(const std::string& key) {
    return key == "Space" ? ' ' : static_cast<unsigned char>(key.at(0));
}

// The value a key on a bar gives, stepping as the desktop's scroll bars do:
// a vertical bar grows downwards.
int barValueAfter(const ScrollBar& bar, const std::string& key) {
    const bool down = bar.vertical ? key == "ArrowDown" || key == "PageDown"
                                   : key == "ArrowRight" || key == "PageUp";
    const int step = key.rfind("Page", 0) == 0 ? bar.largeChange : bar.smallChange;
    return std::clamp(bar.value + (down ? step : -step), bar.min, bar.max);
}

bool applyLine(Form& form, std::istringstream& words, const std::string& action) {
    if (action == "drag") {
        int index = 0;
        float x = 0, y = 0;
        if (!(words >> index >> x >> y)) return false;
        pressOnMarker(form, index, kRightButton);
        const auto twips = [](float dips) {
            return static_cast<float>(double{dips} * kTwipsPerPixel);
        };
        releaseDrag(form, twips(x), twips(y));
    } else if (action == "click") {
        int index = 0;
        if (!(words >> index)) return false;
        pressOnMarker(form, index, kLeftButton);
        clickMarker(form, index);
    } else if (action == "key") {
        int index = 0;
        std::string key;
        if (!(words >> index >> key)) return false;
        keyOnMarker(form, index, characterOf(key));
    } else if (action == "random") {
        clickRandom(form);
    } else if (action == "bar") {
        std::string name, key;
        if (!(words >> name >> key)) return false;
        if (name == "hscFade") {
            setFadeValue(form, barValueAfter(form.hscFade, key));
        } else {
            setRangeValue(form, barValueAfter(form.vscSpectrumRange, key));
        }
    } else if (action == "tick") {
        int count = 0;
        if (!(words >> count)) return false;
        for (int k = 0; k < count; ++k) Timer1_Timer(form);
    } else if (action == "symbol") {
        std::string item;
        if (!(words >> item)) return false;
        const auto& items = form.cmbSymbol.items;
        const auto found = std::find(items.begin(), items.end(), item);
        if (found == items.end()) return false;
        chooseSymbol(form, static_cast<int>(found - items.begin()));
    } else if (action == "linear") {
        clickLinear(form);
    } else if (action == "memory") {
        clickMemory(form);
    } else if (action == "eye") {
        std::string name;
        if (!(words >> name)) return false;
        clickEyeSurface(form, pictureNamed(name));
    } else {
        return false;
    }
    return true;
}

}  // namespace

std::string applyActions(Form& form, std::istream& lines) {
    std::string line;
    for (int number = 1; std::getline(lines, line); ++number) {
        std::istringstream words(line);
        std::string action;
        if (!(words >> action) || action.front() == '#') continue;
        if (!applyLine(form, words, action)) return "line " + std::to_string(number) + ": " + line;
    }
    return {};
}

}  // namespace tarvel::tools
