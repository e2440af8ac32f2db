#include "paths/tag_text.h"

#include <algorithm>
#include <cstddef>
#include <limits>

#include "app/number_text.h"

namespace tarvel {
namespace {

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
        readNumber(number.data(), number.data() + number.size(), value);
    if (parsed.ec == std::errc::result_out_of_range) {
        value = orderOfMagnitude(mantissa) + exponent > 0 ? std::numeric_limits<double>::infinity()
                                                          : 0.0;
    }
    return negative ? -value : value;
}

std::string phaseTagText(double phase) {
    if (phase == 0) return "0";  // never "-0"
    char buffer[32];
    const auto result = writeSignificant(buffer, buffer + sizeof buffer, phase, 15);
    std::string text(buffer, result.ptr);
    std::replace(text.begin(), text.end(), 'e', 'E');
    return text;
}

}  // namespace tarvel
