#include "display/plot_eye.h"

namespace tarvel {

// Placeholder until the eye diagrams land.
void PlotEye(double, const ComplexVector&, PictureBox&, double, std::int16_t) {}

void picIndividual_Click(Form& form) { form.picIndividual.clear(); }
void picCombo_Click(Form& form) { form.picCombo.clear(); }
void picSumGraph_Click(Form& form) { form.picSumGraph.clear(); }

}  // namespace tarvel
