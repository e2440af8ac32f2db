#include "paths/path_editing.h"

#include <cstddef>

#include "paths/diagram_geometry.h"
#include "paths/path_state.h"
#include "paths/tag_text.h"

namespace tarvel {
namespace {

constexpr const char* kSelectedTag = "37";
constexpr double kSelectedValue = 37;
constexpr const char* kUnselectedTag = "0";

// The drop works in whole twips, as Basic's Integer does.
constexpr int kDropLeftMin = static_cast<int>(kMarkerLeftMin);
constexpr int kDropLeftMax = static_cast<int>(kMarkerLeftMax);
constexpr int kDropTopLow = static_cast<int>(kDropTopMin);
constexpr int kDropTopMax = static_cast<int>(kMarkerTopMax);
constexpr int kParkCornerLeft = static_cast<int>(kParkLeft);
constexpr int kParkCornerTop = static_cast<int>(kParkTop);

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
    if (marker.top < kMarkerTopMin) marker.top = kMarkerTopMin;
    if (marker.top > kMarkerTopMax) marker.top = kMarkerTopMax;
    if (marker.left > kMarkerLeftMax) marker.left = kMarkerLeftMax;
    if (marker.left < kMarkerLeftMin) marker.left = kMarkerLeftMin;
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
    if (top > kParkCornerTop && left < kParkCornerLeft) {
        left = kParkCornerLeft;
        top = kParkCornerTop;
        marker.pressed = false;
        marker.backColour = form.backColour;
    }

    if (top > kDropTopMax) top = kDropTopMax;
    if (top < kDropTopLow) top = kDropTopLow;
    if (left < kDropLeftMin) left = kDropLeftMin;
    if (left > kDropLeftMax) left = kDropLeftMax;

    // Both are positive after the clamps, so integer division is the floor.
    top = top / kDropGrid * kDropGrid + kDropGrid / 2;
    left = left / kDropGrid * kDropGrid;

    marker.left = static_cast<float>(left);
    marker.top = static_cast<float>(top);

    const double r = static_cast<double>(form.state.generator.next());
    marker.tag = phaseTagText((2 * r - 1) * kPhaseScale);

    for (int i = 0; i < kPathCount; ++i) syncFrame(form, i);
    endPathEdit(form);
}

}  // namespace tarvel
