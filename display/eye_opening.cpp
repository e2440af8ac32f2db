#include "display/eye_opening.h"

#include <cmath>
#include <cstddef>

#include "app/picture_description.h"
#include "display/plot_eye.h"

namespace tarvel {

double singlePathOpening(const ComplexVector& pulseSpectrum) {
    double sum = 0;
    for (int k = 0; k < kPoints; ++k) sum += pulseSpectrum[static_cast<std::size_t>(2 * k)];
    return 2 * kSamplesPerSymbol * sum / kPoints;
}

void noteEyeTraces(PictureBox& pic, const ComplexVector& data, double scaleFactor,
                   std::int16_t shift, double singlePathOpening) {
    EyeSamples& eye = pic.eye;
    const double gain = kEyeScale / scaleFactor;
    for (int i = kFirstEyeTrace; i <= kLastEyeTrace; ++i) {
        const int n = kSamplesPerSymbol * i + kEyeSamplingPosition - shift;
        const double value = data[static_cast<std::size_t>(2 * n)] * gain;
        if (value > 0) {
            if (!eye.above || value < eye.lowestAbove) eye.lowestAbove = value;
            eye.above = true;
        } else if (value < 0) {
            if (!eye.below || value > eye.highestBelow) eye.highestBelow = value;
            eye.below = true;
        } else {
            eye.onCentre = true;
        }
    }
    eye.drawn = true;
    const int step = eyeOpeningStep(eye, singlePathOpening);
    if (step != eye.shownStep) {
        eye.shownStep = step;
        eyeDescription(step, pic.description);
    }
}

int eyeOpeningStep(const EyeSamples& eye, double singlePathOpening) {
    if (!eye.drawn) return kEyeEmpty;
    if (eye.onCentre || !eye.above || !eye.below) return 0;
    const double opening = eye.lowestAbove - eye.highestBelow;
    return static_cast<int>(std::lround(20 * opening / singlePathOpening));
}

void clearEyeBox(PictureBox& pic) {
    pic.clear();
    pic.eye = {};
    pic.description.reserve(kPictureWordsCapacity);
    eyeDescription(kEyeEmpty, pic.description);
}

}  // namespace tarvel
