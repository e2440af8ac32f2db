#include "app/form.h"

#include <algorithm>

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

}  // namespace

// The layout table of the window: every control's place, text and settings.
Form::Form(Colour faceColour) : caption(kApplicationTitle), backColour(faceColour) {
    label2 = label(180, 120, 855, 435, "Power");
    line1 = line(540, 600, 540, 4080, 3);
    line5 = line(300, 840, 540, 600, 3);
    line6 = line(780, 840, 540, 600, 3);
    line2 = line(540, 4080, 5460, 4080, 3);
    line3 = line(5460, 4080, 5220, 3840, 3);
    line4 = line(5220, 4320, 5460, 4080, 3);
    label1 = label(5340, 3600, 855, 435, "Delay");

    const std::array<int, 5> delayTicks{9, 8, 10, 11, 12};
    for (int t = 0; t < 5; ++t) {
        lblAt[delayTicks[t]] = label(420.0f + 1200.0f * static_cast<float>(t), 4260, 255, 495,
                                     std::to_string(t), Align::Centre);
    }

    for (int i = 0; i < kPathCount; ++i) {
        CommandButton& marker = cmdSource[i];
        marker = placed<CommandButton>(kParkLeft, kParkTop, kMarkerSize, kMarkerSize);
        marker.backColour = backColour;
        FilledShape& frame = cmdShape[i];
        frame = placed<FilledShape>(kParkLeft, kParkTop, kMarkerSize, kMarkerSize);
        frame.visible = false;
        lneImpulse[i] = LineShape{0, 0, 0, 0, 5, false};
    }

    cmdRand = placed<CommandButton>(5580, 4080, 1095, 435);
    cmdRand.caption = "Random";
    cmdRand.fontPt = 12;
    cmdRand.backColour = backColour;

    const auto placeRow = [this](const StatisticsRow& row, Label title, Label value, Label unit) {
        lblAt[row.title] = std::move(title);
        lblAt[row.value] = std::move(value);
        lblAt[row.unitLabel] = std::move(unit);
    };
    const auto mu = [](float left, float top) {
        return label(left, top, 195, 495, kMu, Align::Left, kSymbolFontPt);
    };
    placeRow(kMeanDelayRow, label(1320, 4980, 1875, 495, "Mean Delay", Align::Right),
             label(3300, 4980, 855, 495, kValueDesignText, Align::Right),
             label(4440, 4980, 315, 495, "s"));
    lblAt[kMeanDelayRow.muLabel] = mu(4260, 4980);
    placeRow(kDelaySpreadRow, label(1320, 5460, 1875, 495, "Delay Spread", Align::Right),
             label(3300, 5460, 855, 495, kValueDesignText, Align::Right),
             label(4440, 5520, 315, 495, "s"));
    lblAt[kDelaySpreadRow.muLabel] = mu(4260, 5520);
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

    hscFade = placed<ScrollBar>(1620, 8400, 2535, 255);
    hscFade.min = 0;
    hscFade.max = 5;
    hscFade.value = 0;
    hscFade.smallChange = 1;
    hscFade.largeChange = 2;

    for (int g = 0; g < 2; ++g) {
        cmdGo[g] = placed<CommandButton>(g == 0 ? 1620 : 2880, 8700, 1275, 495);
        cmdGo[g].caption = g == 0 ? "Start" : "Reset";
        cmdGo[g].fontPt = 18;
        cmdGo[g].backColour = backColour;
    }

    lblAt[kSymbolTimeTitle] = label(660, 9240, 2175, 495, "Symbol Time", Align::Right, 18);
    cmbSymbol = placed<ComboBox>(2940, 9240, 1275, 480);
    lblAt[kSymbolTimeMu] = mu(4320, 9240);
    lblAt[kSymbolTimeUnit] = label(4500, 9240, 315, 495, "s");
    imgZelm = placed<ImageBox>(300, 9780, 4500, 720);

    picIndividual = placed<PictureBox>(6900, 180, 7095, 1935);
    picCombo = placed<PictureBox>(6960, 2280, 7095, 1995);
    picSumGraph = placed<PictureBox>(6960, 4380, 7095, 1995);
    lblAt[kFrequencyResponseTitle] =
        label(5700, 6840, 7815, 495, "Frequency Response", Align::Centre, 18);
    picSpectrum = placed<PictureBox>(5220, 7260, 8775, 2655);

    vscSpectrumRange = placed<ScrollBar>(13980, 7260, 255, 2655);
    vscSpectrumRange.vertical = true;
    vscSpectrumRange.min = 0;
    vscSpectrumRange.max = 20;
    vscSpectrumRange.value = 20;
    vscSpectrumRange.smallChange = 1;
    vscSpectrumRange.largeChange = 4;
    // The range bar reacts to arrows, pages and the released thumb, not to
    // the thumb while it is being dragged.
    vscSpectrumRange.tracking = false;

    chkLinear = placed<CheckBox>(10920, 7260, 1635, 495);
    chkLinear.caption = "Log Plot";
    chkMemory = placed<CheckBox>(12540, 7260, 1455, 495);
    chkMemory.caption = "Memory";

    const std::array<int, 5> frequencyTicks{16, 17, 15, 14, 13};
    const std::array<float, 5> frequencyLeft{5040, 7320, 9540, 11700, 13740};
    const std::array<float, 5> frequencyWidth{495, 495, 375, 375, 375};
    const std::array<const char*, 5> frequencyText{"-1.0", "-0.5", "0", "0.5", "1.0"};
    for (int t = 0; t < 5; ++t) {
        lblAt[frequencyTicks[t]] =
            label(frequencyLeft[t], 9900, frequencyWidth[t], 495, frequencyText[t], Align::Centre);
    }

    using K = ControlKind;
    tabOrder = {{K::CmdGo, 0},     {K::CmdSource, 0},        {K::CmdSource, 1},
                {K::CmdSource, 2}, {K::PicIndividual, 0},    {K::PicSumGraph, 0},
                {K::CmdSource, 3}, {K::CmdSource, 4},        {K::CmdSource, 5},
                {K::CmdSource, 6}, {K::CmdSource, 7},        {K::HscFade, 0},
                {K::CmdGo, 1},     {K::CmbSymbol, 0},        {K::PicSpectrum, 0},
                {K::PicCombo, 0},  {K::VscSpectrumRange, 0}, {K::ChkMemory, 0},
                {K::ChkLinear, 0}, {K::CmdRand, 0}};
}

std::vector<ControlRef> allControls() {
    using K = ControlKind;
    std::vector<ControlRef> controls{
        {K::Label1, 0},      {K::Label2, 0},        {K::CmdRand, 0},          {K::CmdGo, 0},
        {K::CmdGo, 1},       {K::HscFade, 0},       {K::VscSpectrumRange, 0}, {K::CmbSymbol, 0},
        {K::ImgZelm, 0},     {K::PicIndividual, 0}, {K::PicCombo, 0},         {K::PicSumGraph, 0},
        {K::PicSpectrum, 0}, {K::ChkLinear, 0},     {K::ChkMemory, 0}};
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
    switch (kind) {
        case ControlKind::PicIndividual:
            return picIndividual;
        case ControlKind::PicCombo:
            return picCombo;
        case ControlKind::PicSumGraph:
            return picSumGraph;
        default:
            return picSpectrum;
    }
}

}  // namespace tarvel
