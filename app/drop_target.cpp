#include "app/drop_target.h"

#include <cstddef>

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
    using K = ControlKind;
    if (!insideClientArea(form, x, y)) return std::nullopt;

    // The markers were brought to the front last of all.
    for (auto it = form.markerStack.rbegin(); it != form.markerStack.rend(); ++it) {
        if (catches(form.cmdSource[static_cast<std::size_t>(*it)], x, y)) {
            return ControlRef{K::CmdSource, *it};
        }
    }

    if (catches(form.cmdRand, x, y)) return ControlRef{K::CmdRand};
    for (int g = 0; g < static_cast<int>(form.cmdGo.size()); ++g) {
        if (catches(form.cmdGo[static_cast<std::size_t>(g)], x, y)) return ControlRef{K::CmdGo, g};
    }
    // The toggles sit on the spectrum plot's top edge, the range bar at its right.
    if (catches(form.chkLinear, x, y)) return ControlRef{K::ChkLinear};
    if (catches(form.chkMemory, x, y)) return ControlRef{K::ChkMemory};
    if (catches(form.hscFade, x, y)) return ControlRef{K::HscFade};
    if (catches(form.vscSpectrumRange, x, y)) return ControlRef{K::VscSpectrumRange};
    if (catches(form.cmbSymbol, x, y)) return ControlRef{K::CmbSymbol};
    if (catches(form.picIndividual, x, y)) return ControlRef{K::PicIndividual};
    if (catches(form.picCombo, x, y)) return ControlRef{K::PicCombo};
    if (catches(form.picSumGraph, x, y)) return ControlRef{K::PicSumGraph};
    if (catches(form.picSpectrum, x, y)) return ControlRef{K::PicSpectrum};

    // Labels and the logo lie beneath every other control.
    if (catches(form.label1, x, y)) return ControlRef{K::Label1};
    if (catches(form.label2, x, y)) return ControlRef{K::Label2};
    for (int i = 0; i < kLabelCount; ++i) {
        if (catches(form.lblAt[static_cast<std::size_t>(i)], x, y)) return ControlRef{K::LblAt, i};
    }
    if (catches(form.imgZelm, x, y)) return ControlRef{K::ImgZelm};
    return std::nullopt;
}

bool isWindowSurfaceAt(const Form& form, float x, float y) {
    return insideClientArea(form, x, y) && !controlAt(form, x, y);
}

}  // namespace tarvel
