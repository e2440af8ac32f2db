#include "animation/fade_path.h"

#include <cmath>

#include "paths/diagram_geometry.h"

namespace tarvel {
namespace {

constexpr double kTwipsPerPower = 1500;  // the fading's own vertical scale

// Correlation of the gain from one tick to the next, chosen by the fading bar.
double correlationFor(const ScrollBar& hscFade) {
    double rho = 0;
    if (hscFade.value == 1) rho = 98.0 / 100;
    if (hscFade.value == 2) rho = 95.0 / 100;
    if (hscFade.value == 3) rho = 90.0 / 100;
    if (hscFade.value == 4) rho = 75.0 / 100;
    if (hscFade.value == 5) rho = 0.0 / 100;
    return rho;
}

double markerPower(const CommandButton& marker) {
    return (static_cast<double>(kPowerZeroTop) - static_cast<double>(marker.top)) / kTwipsPerPower;
}

struct GaussianPair {
    double x, y, f;  // x * f and y * f are independent standard normals
};

// Polar method: two draws per attempt, at least one attempt, 0 < s <= 1 accepted.
GaussianPair drawGaussianPair(UniformGenerator& generator) {
    double x = 0, y = 0;
    double s = 3;
    while (s == 0 || s > 1) {
        x = 2 * static_cast<double>(generator.next()) - 1;
        y = 2 * static_cast<double>(generator.next()) - 1;
        s = y * y + x * x;
    }
    return {x, y, std::sqrt((std::log(s) * -2) / s)};
}

}  // namespace

void FadePath(Form& form, std::int16_t index) {
    const auto i = static_cast<std::size_t>(index);
    DemoState& state = form.state;
    CommandButton& marker = form.cmdSource[i];
    FilledShape& frame = form.cmdShape[i];

    const double rho = correlationFor(form.hscFade);

    if (state.dFadeI[i] == 0 && state.dFadeQ[i] == 0) {
        state.dFadeQ[i] = 0;
        state.dFadeI[i] = 1;
        state.dFadeMeanPower[i] = markerPower(marker);
    }
    // The marker is shown again after Reset or fading off and may have been
    // moved meanwhile: fade about where it stands now, carrying the gain on.
    const bool resuming = marker.visible;
    if (resuming) state.dFadeMeanPower[i] = markerPower(marker);

    const GaussianPair g = drawGaussianPair(state.generator);
    const double keep = std::sqrt(rho);
    const double fresh = std::sqrt(1 - rho);
    state.dFadeI[i] = keep * state.dFadeI[i] + fresh * g.x * g.f;
    state.dFadeQ[i] = keep * state.dFadeQ[i] + fresh * g.y * g.f;

    const double power = (state.dFadeQ[i] * state.dFadeQ[i] + state.dFadeI[i] * state.dFadeI[i]) *
                         state.dFadeMeanPower[i] * 0.5;

    if (resuming) {
        marker.visible = false;
        frame.visible = true;
        frame.left = marker.left;
        frame.fillColour = marker.backColour;
    }

    frame.top = static_cast<float>(static_cast<double>(kPowerZeroTop) - power * kTwipsPerPower);
    if (frame.top < kFadeTopMin) frame.top = kFadeTopMin;  // caps the shown power at 2.52
}

}  // namespace tarvel
