#include "app/form.h"

#include <algorithm>

#include "app/control_table.h"
#include "paths/diagram_geometry.h"

namespace tarvel {
namespace {

Label label(float left, float top, float width, float height, std::string caption,
            Align align = Align::Left, float fontPt = 13.5f) {
    Label l;
    l.left = left;
    l.top = top;
    l.width = width;
    l.height = height;
    l.caption = std::move(caption);
    l.align = align;
    l.fontPt = fontPt;
    return l;
}

LineShape line(float x1, float y1, float x2, float y2, int widthPx) {
    return LineShape{x1, y1, x2, y2, widthPx, true};
}

template <typename Control>
Control placed(float left, float top, float width, float height) {
    Control c;
    c.left = left;
    c.top = top;
    c.width = width;
    c.height = height;
    return c;
}

constexpr const char* kValueDesignText = "Delay Spread";
constexpr float kSymbolFontPt = 14.25f;
constexpr const char* kMu = "\u00b5";

Label mu(float left, float top) {
    return label(left, top, 195, 495, kMu, Align::Left, kSymbolFontPt);
}

// The axes of the delay-power diagram, each with its arrow head.
void placeAxes(Form& form) {
    form.label2 = label(180, 120, 855, 435, "Power");
    form.line1 = line(540, 600, 540, 4080, 3);
    form.line5 = line(300, 840, 540, 600, 3);
    form.line6 = line(780, 840, 540, 600, 3);
    form.line2 = line(540, 4080, 5460, 4080, 3);
    form.line3 = line(5460, 4080, 5220, 3840, 3);
    form.line4 = line(5220, 4320, 5460, 4080, 3);
    form.label1 = label(5340, 3600, 855, 435, "Delay");

    const std::array<int, 5> delayTicks{9, 8, 10, 11, 12};
    for (int t = 0; t < 5; ++t) {
        form.lblAt[delayTicks[t]] = label(420.0f + 1200.0f * static_cast<float>(t), 4260, 255, 495,
                                          std::to_string(t), Align::Centre);
    }
}

// Every path starts parked and switched off, its frame hidden.
void placePaths(Form& form) {
    for (int i = 0; i < kPathCount; ++i) {
        const auto at = static_cast<std::size_t>(i);
        CommandButton& marker = form.cmdSource[at];
        marker = placed<CommandButton>(kParkLeft, kParkTop, kMarkerSize, kMarkerSize);
        marker.backColour = form.backColour;
        FilledShape& frame = form.cmdShape[at];
        frame = placed<FilledShape>(kParkLeft, kParkTop, kMarkerSize, kMarkerSize);
        frame.visible = false;
        form.lneImpulse[at] = LineShape{0, 0, 0, 0, 5, false};
    }
    form.cmdRand = placed<CommandButton>(5580, 4080, 1095, 435);
    form.cmdRand.caption = "Random";
    form.cmdRand.fontPt = 12;
    form.cmdRand.backColour = form.backColour;
}

void placeStatistics(Form& form) {
    const auto placeRow = [&form](const StatisticsRow& row, Label title, Label value, Label unit) {
        form.lblAt[row.title] = std::move(title);
        form.lblAt[row.value] = std::move(value);
        form.lblAt[row.unitLabel] = std::move(unit);
    };
    placeRow(kMeanDelayRow, label(1320, 4980, 1875, 495, "Mean Delay", Align::Right),
             label(3300, 4980, 855, 495, kValueDesignText, Align::Right),
             label(4440, 4980, 315, 495, "s"));
    form.lblAt[kMeanDelayRow.muLabel] = mu(4260, 4980);
    placeRow(kDelaySpreadRow, label(1320, 5460, 1875, 495, "Delay Spread", Align::Right),
             label(3300, 5460, 855, 495, kValueDesignText, Align::Right),
             label(4440, 5520, 315, 495, "s"));
    form.lblAt[kDelaySpreadRow.muLabel] = mu(4260, 5520);
    placeRow(kBandwidth1Row,
             label(300, 5940, 2895, 795, "Coherence Bandwidth (1/Delay Spread)", Align::Right),
             label(3300, 6060, 855, 495, kValueDesignText, Align::Right),
             label(4260, 6060, 1095, 495, "MHz"));
    placeRow(kBandwidth02Row,
             label(300, 6720, 2895, 795, "Coherence Bandwidth (0.2/Delay Spread)", Align::Right),
             label(3300, 6840, 855, 495, kValueDesignText, Align::Right),
             label(4260, 6840, 1095, 495, "MHz"));
    placeRow(kBandwidth002Row,
             label(300, 7560, 2895, 795, "Coherence Bandwidth (0.02/Delay Spread)", Align::Right),
             label(3300, 7680, 855, 495, kValueDesignText, Align::Right),
             label(4260, 7680, 1095, 495, "MHz"));
}

// The fading bar, Start and Reset, the symbol time and the logo.
void placeAnimationControls(Form& form) {
    ScrollBar& fade = form.hscFade;
    fade = placed<ScrollBar>(1620, 8400, 2535, 255);
    fade.min = 0;
    fade.max = 5;
    fade.value = 0;
    fade.smallChange = 1;
    fade.largeChange = 2;

    for (int g = 0; g < kGoCount; ++g) {
        CommandButton& go = form.cmdGo[static_cast<std::size_t>(g)];
        go = placed<CommandButton>(g == kGoStart ? 1620 : 2880, 8700, 1275, 495);
        go.caption = g == kGoStart ? "Start" : "Reset";
        go.fontPt = 18;
        go.backColour = form.backColour;
    }

    form.lblAt[kSymbolTimeTitle] = label(660, 9240, 2175, 495, "Symbol Time", Align::Right, 18);
    form.cmbSymbol = placed<ComboBox>(2940, 9240, 1275, 480);
    form.lblAt[kSymbolTimeMu] = mu(4320, 9240);
    form.lblAt[kSymbolTimeUnit] = label(4500, 9240, 315, 495, "s");
    form.imgZelm = placed<ImageBox>(300, 9780, 4500, 720);
}

// The eye diagrams and the spectrum with its range bar, toggles and ticks.
void placePlots(Form& form) {
    form.picIndividual = placed<PictureBox>(6900, 180, 7095, 1935);
    form.picCombo = placed<PictureBox>(6960, 2280, 7095, 1995);
    form.picSumGraph = placed<PictureBox>(6960, 4380, 7095, 1995);
    form.lblAt[kFrequencyResponseTitle] =
        label(5700, 6840, 7815, 495, "Frequency Response", Align::Centre, 18);
    form.picSpectrum = placed<PictureBox>(5220, 7260, 8775, 2655);

    ScrollBar& range = form.vscSpectrumRange;
    range = placed<ScrollBar>(13980, 7260, 255, 2655);
    range.vertical = true;
    range.min = 0;
    range.max = 20;
    range.value = 20;
    range.smallChange = 1;
    range.largeChange = 4;
    // The range bar reacts to arrows, pages and the released thumb, not to
    // the thumb while it is being dragged.
    range.tracking = false;

    form.chkLinear = placed<CheckBox>(10920, 7260, 1635, 495);
    form.chkLinear.caption = "Log Plot";
    form.chkMemory = placed<CheckBox>(12540, 7260, 1455, 495);
    form.chkMemory.caption = "Memory";

    const std::array<int, 5> frequencyTicks{16, 17, 15, 14, 13};
    const std::array<float, 5> frequencyLeft{5040, 7320, 9540, 11700, 13740};
    const std::array<float, 5> frequencyWidth{495, 495, 375, 375, 375};
    const std::array<const char*, 5> frequencyText{"-1.0", "-0.5", "0", "0.5", "1.0"};
    for (std::size_t t = 0; t < 5; ++t) {
        form.lblAt[static_cast<std::size_t>(frequencyTicks[t])] =
            label(frequencyLeft[t], 9900, frequencyWidth[t], 495, frequencyText[t], Align::Centre);
    }
}

}  // namespace

// The layout table of the window: every control's place, text and settings.
Form::Form(Colour faceColour) : caption(kApplicationTitle), backColour(faceColour) {
    placeAxes(*this);
    placePaths(*this);
    placeStatistics(*this);
    placeAnimationControls(*this);
    placePlots(*this);

    tabOrder = tabOrderOfTable();
}

std::vector<ControlRef> allControls() {
    using K = ControlKind;
    std::vector<ControlRef> controls{{K::Label1}, {K::Label2}, {K::CmdRand}};
    for (int g = 0; g < kGoCount; ++g) controls.push_back({K::CmdGo, g});
    controls.insert(controls.end(), {{K::HscFade},
                                     {K::VscSpectrumRange},
                                     {K::CmbSymbol},
                                     {K::ImgZelm},
                                     {K::PicIndividual},
                                     {K::PicCombo},
                                     {K::PicSumGraph},
                                     {K::PicSpectrum},
                                     {K::ChkLinear},
                                     {K::ChkMemory}});
    for (int i = 0; i < kLabelCount; ++i) controls.push_back({K::LblAt, i});
    for (int i = 0; i < kPathCount; ++i) controls.push_back({K::CmdSource, i});
    return controls;
}

void Form::showMessage(std::string_view text) {
    messages.emplace_back(text);
    if (messageBox) messageBox->show(text);
}

void Form::bringMarkerToFront(int index) {
    auto at = std::find(markerStack.begin(), markerStack.end(), index);
    std::rotate(at, at + 1, markerStack.end());
}

const PictureBox& Form::picture(ControlKind kind) const {
    return const_cast<Form*>(this)->picture(kind);
}

PictureBox& Form::picture(ControlKind kind) {
    const std::array<PictureBox*, kPictureKinds.size()> boxes{&picIndividual, &picCombo,
                                                              &picSumGraph, &picSpectrum};
    // Any other kind has no picture box: at() refuses its number, -1.
    return *boxes.at(static_cast<std::size_t>(pictureNumber(kind)));
}

const LineShape& Form::axis(int index) const {
    return const_cast<Form*>(this)->axis(index);
}

LineShape& Form::axis(int index) {
    const std::array<LineShape*, kAxisCount> axes{&line1, &line2, &line3, &line4, &line5, &line6};
    return *axes.at(static_cast<std::size_t>(index));
}

}  // namespace tarvel
