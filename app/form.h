#pragma once
// The main window `Form1` as plain records: every control of the layout, the
// shared demo state and the window-level glue (message box, drag in flight).
// A Form is large (its fixed arrays): create it on the heap.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/controls.h"
#include "app/demo_state.h"
#include "app/message_box.h"

namespace tarvel {

constexpr const char* kApplicationTitle = "Tarvel Demo";
constexpr int kLabelCount = 31;

// A row of the delay statistics in lblAt: the value field that the analysis
// fills, the label that names the row, and the labels of its unit.
struct StatisticsRow {
    int value;
    int title;
    int unitLabel;     // "s" or "MHz"
    int muLabel;       // the "µ" before "s"; -1 on the bandwidth rows
    const char* unit;  // the unit in words, as assistive tools read it
};
inline constexpr StatisticsRow kMeanDelayRow{19, 20, 18, 29, "\u00b5s"};
inline constexpr StatisticsRow kDelaySpreadRow{3, 1, 4, 27, "\u00b5s"};
// Coherence bandwidths: 1, 0.2 and 0.02 over the delay spread.
inline constexpr StatisticsRow kBandwidth1Row{7, 5, 6, -1, "MHz"};
inline constexpr StatisticsRow kBandwidth02Row{21, 23, 22, -1, "MHz"};
inline constexpr StatisticsRow kBandwidth002Row{24, 26, 25, -1, "MHz"};
inline constexpr std::array<StatisticsRow, 5> kStatisticsRows{
    kMeanDelayRow, kDelaySpreadRow, kBandwidth1Row, kBandwidth02Row, kBandwidth002Row};

// The label before the symbol-time list, with the "µ" and "s" after it.
inline constexpr int kSymbolTimeTitle = 2;
inline constexpr int kSymbolTimeMu = 30;
inline constexpr int kSymbolTimeUnit = 28;
// The plot's title above the spectrum.
inline constexpr int kFrequencyResponseTitle = 0;

// The animation's two buttons, form.cmdGo: Start runs the timer, Reset stops
// it and switches every path off.
inline constexpr int kGoStart = 0;
inline constexpr int kGoReset = 1;
inline constexpr int kGoCount = 2;

// Names a control (or an element of a control array) for the focus order,
// the hit test and the view.
enum class ControlKind {
    Label1,
    Label2,
    LblAt,
    CmdSource,
    CmdRand,
    CmdGo,
    HscFade,
    VscSpectrumRange,
    CmbSymbol,
    ImgZelm,
    PicIndividual,
    PicCombo,
    PicSumGraph,
    PicSpectrum,
    ChkLinear,
    ChkMemory
};
struct ControlRef {
    ControlKind kind;
    int index = 0;
    bool operator==(const ControlRef&) const = default;
};

// The picture boxes in the order the views number their surfaces.
inline constexpr std::array<ControlKind, 4> kPictureKinds{
    ControlKind::PicIndividual, ControlKind::PicCombo, ControlKind::PicSumGraph,
    ControlKind::PicSpectrum};
// A picture box's place in kPictureKinds; -1 for any other control.
constexpr int pictureNumber(ControlKind kind) {
    for (std::size_t k = 0; k < kPictureKinds.size(); ++k) {
        if (kPictureKinds[k] == kind) return static_cast<int>(k);
    }
    return -1;
}

// What the window draws on its own surface, beneath every control: the
// axes Line1 .. Line6 (index 0 .. 5), the paths' frames and impulse lines.
inline constexpr int kAxisCount = 6;
enum class DrawingKind { Axis, Frame, Impulse };
struct DrawingRef {
    DrawingKind kind;
    int index = 0;
    bool operator==(const DrawingRef&) const = default;
};
// Bottom first: a fading frame lies over the axes, an impulse line over
// its frame.
inline constexpr std::array<DrawingRef, kAxisCount + 2 * kPathCount> kDrawingOrder = [] {
    std::array<DrawingRef, kAxisCount + 2 * kPathCount> order{};
    const std::array<int, kAxisCount> axes{0, 4, 5, 1, 2, 3};
    std::size_t at = 0;
    for (const int axis : axes) order[at++] = {DrawingKind::Axis, axis};
    for (int i = 0; i < kPathCount; ++i) order[at++] = {DrawingKind::Frame, i};
    for (int i = 0; i < kPathCount; ++i) order[at++] = {DrawingKind::Impulse, i};
    return order;
}();

// Every control of the layout, arrays element by element.
std::vector<ControlRef> allControls();

struct Form {
    explicit Form(Colour faceColour = kDefaultFaceColour);

    std::string caption;
    float clientWidth = 14295;
    float clientHeight = 10515;
    Colour backColour;

    // The diagram's axes and arrow heads, drawn on the window's surface.
    LineShape line1, line2, line3, line4, line5, line6;
    Label label1, label2;
    std::array<Label, kLabelCount> lblAt;

    std::array<CommandButton, kPathCount> cmdSource;
    std::array<FilledShape, kPathCount> cmdShape;
    std::array<LineShape, kPathCount> lneImpulse;
    // Stacking of the markers, bottom first: the last one lies on top.
    std::array<int, kPathCount> markerStack{0, 1, 2, 3, 4, 5, 6, 7};

    CommandButton cmdRand;
    std::array<CommandButton, kGoCount> cmdGo;
    ScrollBar hscFade;
    ScrollBar vscSpectrumRange;
    ComboBox cmbSymbol;
    ImageBox imgZelm;
    Timer timer1;
    PictureBox picIndividual, picCombo, picSumGraph, picSpectrum;
    CheckBox chkLinear, chkMemory;

    // Keyboard focus order, lowest first, as the control table sets it.
    std::vector<ControlRef> tabOrder;

    DemoState state;

    MessageBox* messageBox = nullptr;
    std::vector<std::string> messages;  // every message shown since start
    std::optional<int> dragSource;      // the marker being dragged, if any

    void showMessage(std::string_view text);
    void bringMarkerToFront(int index);
    // The picture box of a kind in kPictureKinds; any other kind is refused
    // (std::out_of_range).
    PictureBox& picture(ControlKind kind);
    const PictureBox& picture(ControlKind kind) const;
    // Line1 .. Line6 by index 0 .. 5.
    LineShape& axis(int index);
    const LineShape& axis(int index) const;
};

}  // namespace tarvel
