#include "paths/path_editing.h"

#include <cstddef>

#include "paths/path_state.h"
#include "paths/tag_text.h"

namespace tarvel {
namespace {

constexpr const char* kSelectedTag = "37";
constexpr double kSelectedValue = 37;
constexpr const char* kUnselectedTag = "0";

constexpr float kKeyStep = 120;
constexpr float kLeftMin = 360;
constexpr float kLeftMax = 5220;
constexpr float kKeyTopMin = 360;
constexpr float kTopMax = 3900;

constexpr int kDropTopMin = 540;
constexpr int kGrid = 120;
constexpr int kParkLeft = 360;
constexpr int kParkTop = 3900;

std::size_t slot(int index) {
    return static_cast<std::size_t>(index);
}

void syncFrame(Form& form, int index) {
    const CommandButton& marker = form.cmdSource[slot(index)];
    FilledShape& frame = form.cmdShape[slot(index)];
    frame.top = marker.top;
    frame.left = marker.left;
}

}  // namespace

void cmdSource_Click(Form& form, int index) {
    CommandButton& marker = form.cmdSource[slot(index)];
    if (tagNumericValue(marker.tag) != kSelectedValue) {
        for (CommandButton& other : form.cmdSource) other.tag = kUnselectedTag;
        marker.tag = kSelectedTag;
        return;
    }
    marker.backColour = marker.backColour == form.backColour ? form.state.lPathColour[slot(index)]
                                                             : form.backColour;
    endPathEdit(form);
    marker.tag = kUnselectedTag;
}

void cmdSource_KeyPress(Form& form, int index, int keyAscii) {
    CommandButton& marker = form.cmdSource[slot(index)];
    switch (keyAscii) {
        case 'u':
        case 'U':
            marker.top = marker.top - kKeyStep;
            break;
        case 'd':
        case 'D':
            marker.top = marker.top + kKeyStep;
            break;
        case 'r':
        case 'R':
            marker.left = marker.left + kKeyStep;
            break;
        case 'l':
        case 'L':
            marker.left = marker.left - kKeyStep;
            break;
        default:
            break;  // no move, but the frame and the epilogue follow all the same
    }
    if (marker.top < kKeyTopMin) marker.top = kKeyTopMin;
    if (marker.top > kTopMax) marker.top = kTopMax;
    if (marker.left > kLeftMax) marker.left = kLeftMax;
    if (marker.left < kLeftMin) marker.left = kLeftMin;
    syncFrame(form, index);
    endPathEdit(form);
}

void cmdSource_MouseDown(Form& form, int index, int button) {
    if (button == kRightButton) form.dragSource = index;
}

void Form_DragDrop(Form& form, int sourceIndex, float x, float y) {
    CommandButton& marker = form.cmdSource[slot(sourceIndex)];
    // Where the top-left corner goes to put the marker's centre under the pointer.
    int left = toInteger16(static_cast<double>(x) - static_cast<double>(marker.width) / 2);
    int top = toInteger16(static_cast<double>(y) - static_cast<double>(marker.height) / 2);

    // Below the delay axis and left of the power axis: park the path, switched off.
    if (top > kParkTop && left < kParkLeft) {
        left = kParkLeft;
        top = kParkTop;
        marker.pressed = false;
        marker.backColour = form.backColour;
    }

    if (top > static_cast<int>(kTopMax)) top = static_cast<int>(kTopMax);
    if (top < kDropTopMin) top = kDropTopMin;
    if (left < static_cast<int>(kLeftMin)) left = static_cast<int>(kLeftMin);
    if (left > static_cast<int>(kLeftMax)) left = static_cast<int>(kLeftMax);

    // Both are positive after the clamps, so integer division is the floor.
    top = top / kGrid * kGrid + kGrid / 2;
    left = left / kGrid * kGrid;

    marker.left = static_cast<float>(left);
    marker.top = static_cast<float>(top);

    const double r = static_cast<double>(form.state.generator.next());
    marker.tag = phaseTagText((2 * r - 1) * kPhaseScale);

    for (int i = 0; i < kPathCount; ++i) syncFrame(form, i);
    endPathEdit(form);
}

}  // namespace tarvel
