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

// Names a control (or an element of a control array) for the focus order,
// the hit test and the view.
enum class ControlKind {
    Label1, Label2, LblAt, CmdSource, CmdRand, CmdGo, HscFade, VscSpectrumRange,
    CmbSymbol, ImgZelm, PicIndividual, PicCombo, PicSumGraph, PicSpectrum,
    ChkLinear, ChkMemory
};
struct ControlRef {
    ControlKind kind;
    int index = 0;
    bool operator==(const ControlRef&) const = default;
};

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
    std::array<CommandButton, 2> cmdGo;
    ScrollBar hscFade;
    ScrollBar vscSpectrumRange;
    ComboBox cmbSymbol;
    ImageBox imgZelm;
    Timer timer1;
    PictureBox picIndividual, picCombo, picSumGraph, picSpectrum;
    CheckBox chkLinear, chkMemory;

    // Keyboard focus order, lowest first.
    std::vector<ControlRef> tabOrder;

    DemoState state;

    MessageBox* messageBox = nullptr;
    std::vector<std::string> messages;  // every message shown since start
    std::optional<int> dragSource;      // the marker being dragged, if any

    void showMessage(std::string_view text);
    void bringMarkerToFront(int index);
    PictureBox& picture(ControlKind kind);
};

}  // namespace tarvel
