#include "paths/path_editing.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <limits>

#include "paths/path_state.h"

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

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Reads a run of digits at `at` into `out`; returns how many there were.
std::size_t readDigits(std::string_view text, std::size_t& at, std::string& out) {
    const std::size_t start = at;
    while (at < text.size() && isDigit(text[at])) out.push_back(text[at++]);
    return at - start;
}

// The decimal order of magnitude of a mantissa text like "000.00123" (-2 here);
// only used to tell an overflow from an underflow.
long orderOfMagnitude(std::string_view mantissa) {
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos) return 0;
    return first < point ? static_cast<long>(point - first) : -static_cast<long>(first - point - 1);
}

void syncFrame(Form& form, int index) {
    const CommandButton& marker = form.cmdSource[slot(index)];
    FilledShape& frame = form.cmdShape[slot(index)];
    frame.top = marker.top;
    frame.left = marker.left;
}

}  // namespace

double tagNumericValue(std::string_view tag) {
    std::size_t at = 0;
    while (at < tag.size() && isBlank(tag[at])) ++at;

    bool negative = false;
    if (at < tag.size() && (tag[at] == '+' || tag[at] == '-')) negative = tag[at++] == '-';

    std::string number;
    std::size_t digits = readDigits(tag, at, number);
    if (at < tag.size() && tag[at] == '.') {
        number.push_back(tag[at++]);
        digits += readDigits(tag, at, number);
    }
    if (digits == 0) return 0;
    const std::string mantissa = number;

    // An exponent counts only when at least one digit follows its letter.
    long exponent = 0;
    if (at < tag.size() && std::string_view("eEdD").find(tag[at]) != std::string_view::npos) {
        std::size_t look = at + 1;
        bool negativeExponent = false;
        if (look < tag.size() && (tag[look] == '+' || tag[look] == '-')) {
            negativeExponent = tag[look++] == '-';
        }
        std::string exponentDigits;
        if (readDigits(tag, look, exponentDigits) > 0) {
            number += negativeExponent ? "e-" : "e";
            number += exponentDigits;
            for (char c : exponentDigits) exponent = std::min(exponent * 10 + (c - '0'), 100000L);
            if (negativeExponent) exponent = -exponent;
        }
    }

    double value = 0;
    const std::from_chars_result parsed =
        std::from_chars(number.data(), number.data() + number.size(), value);
    if (parsed.ec == std::errc::result_out_of_range) {
        value = orderOfMagnitude(mantissa) + exponent > 0 ? std::numeric_limits<double>::infinity()
                                                          : 0.0;
    }
    return negative ? -value : value;
}

std::string phaseTagText(double phase) {
    if (phase == 0) return "0";  // never "-0"
    char buffer[32];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, phase, std::chars_format::general, 15);
    std::string text(buffer, result.ptr);
    std::replace(text.begin(), text.end(), 'e', 'E');
    return text;
}

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
