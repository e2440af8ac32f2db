#include "analysis/statistic_caption.h"

#include <charconv>
#include <cmath>

#include "app/number_text.h"

namespace tarvel {
namespace {

// Beyond this the hundredths no longer fit the exact arithmetic below; the
// statistics stay far below it (delays of a few µs, bandwidths up to 100 MHz).
constexpr double kExactLimit = 1e13;

// Writes the digits of a non-negative whole number.
char* writeDigits(char* out, std::int64_t value) {
    return std::to_chars(out, out + 20, value).ptr;
}

}  // namespace

std::int64_t roundToHundredths(double v) {
    const double magnitude = std::fabs(v);
    // magnitude * 100 is exactly product + error (the fma gives the rounding error).
    const double product = magnitude * 100.0;
    const double error = std::fma(magnitude, 100.0, -product);
    const double whole = std::floor(product);
    // Exact whenever it can be zero; otherwise it outweighs the error.
    const double fromHalf = (product - whole) - 0.5;
    const double side = fromHalf != 0.0 ? fromHalf : error;

    auto hundredths = static_cast<std::int64_t>(whole);
    if (side > 0.0 || (side == 0.0 && hundredths % 2 != 0)) ++hundredths;
    return v < 0.0 ? -hundredths : hundredths;
}

StatisticText statisticText(double v) {
    StatisticText text{};
    char* out = text.chars;
    if (!std::isfinite(v) || std::fabs(v) >= kExactLimit) {
        // Out of the statistics' range: shortest form, sign rule kept.
        if (!(v < 0.0)) *out++ = ' ';
        out = writeShortest(out, text.chars + sizeof text.chars - 1, v).ptr;
        text.length = static_cast<std::size_t>(out - text.chars);
        return text;
    }

    const std::int64_t hundredths = roundToHundredths(v);
    *out++ = hundredths < 0 ? '-' : ' ';
    const std::int64_t magnitude = hundredths < 0 ? -hundredths : hundredths;
    const std::int64_t whole = magnitude / 100;
    const int fraction = static_cast<int>(magnitude % 100);

    if (whole != 0 || fraction == 0) out = writeDigits(out, whole);
    if (fraction != 0) {
        *out++ = '.';
        *out++ = static_cast<char>('0' + fraction / 10);
        if (fraction % 10 != 0) *out++ = static_cast<char>('0' + fraction % 10);
    }
    text.length = static_cast<std::size_t>(out - text.chars);
    return text;
}

void setStatisticCaption(Label& label, double value) {
    const StatisticText text = statisticText(value);
    label.caption.assign(text.chars, text.length);
    // A value below 1 reads " .25"; the field shows "0.25" instead.
    std::string& caption = label.caption;
    if (caption.size() >= 2 && caption[0] == ' ' && caption[1] == '.') caption[0] = '0';
}

}  // namespace tarvel
