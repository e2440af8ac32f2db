#include "app/portable_number_text.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace tarvel::portable {
namespace {

// Every halfway point between two doubles has at most 767 significant digits,
// so keeping 800 and a sticky nonzero digit for the rest rounds exactly.
constexpr int kMaxReadDigits = 800;
// Decimal exponents far beyond any double's, small enough to print.
constexpr long long kExponentLimit = 1000000;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// What may stand between the parentheses of "nan(...)", in any locale.
bool isNanPayload(char c) {
    const char lower = static_cast<char>(c | 0x20);
    return isDigit(c) || (lower >= 'a' && lower <= 'z') || c == '_';
}

// d.ddd × 10^exponent with `count` digits.
struct Decimal {
    char digits[24];
    int count;
    int exponent;
};

// A finite positive value correctly rounded to `precision` significant digits.
// The digits are taken from printf's %e form, skipping whatever decimal point
// the locale writes.
Decimal roundedDecimal(double value, int precision) {
    char text[48];
    std::snprintf(text, sizeof text, "%.*e", precision - 1, value);
    Decimal decimal{};
    const char* at = text;
    for (; *at != 'e'; ++at) {
        if (isDigit(*at)) decimal.digits[decimal.count++] = *at;
    }
    decimal.exponent = std::atoi(at + 1);
    return decimal;
}

// The next decimal up with the same number of digits (999 becomes 100 × 10).
Decimal nextUp(Decimal decimal) {
    int at = decimal.count - 1;
    while (at >= 0 && decimal.digits[at] == '9') decimal.digits[at--] = '0';
    if (at >= 0) {
        ++decimal.digits[at];
    } else {
        decimal.digits[0] = '1';
        ++decimal.exponent;
    }
    return decimal;
}

double parseDecimalText(const char* text, double) {
    return std::strtod(text, nullptr);
}
float parseDecimalText(const char* text, float) {
    return std::strtof(text, nullptr);
}

// Reads "DDDDe-N" (no decimal point, so no locale can interfere).
template <typename Number>
Number valueOfDigits(const char* digits, int count, long long exponent) {
    char text[kMaxReadDigits + 32];
    std::memcpy(text, digits, static_cast<std::size_t>(count));
    std::snprintf(text + count, sizeof text - static_cast<std::size_t>(count), "e%lld", exponent);
    return parseDecimalText(text, Number{});
}

template <typename Number>
Number valueOf(const Decimal& decimal) {
    return valueOfDigits<Number>(decimal.digits, decimal.count,
                                 decimal.exponent - (decimal.count - 1));
}

// The decimal of `precision` significant digits that reads back to value,
// if there is one: the nearest, or else just above a power of two (where the
// values below lie twice as close as those above) the next decimal up.
template <typename Number>
bool readsBackAt(Number value, int precision, Decimal& found) {
    const Decimal nearest = roundedDecimal(static_cast<double>(value), precision);
    const Number back = valueOf<Number>(nearest);
    if (back == value) {
        found = nearest;
        return true;
    }
    if (back < value) {
        const Decimal up = nextUp(nearest);
        if (valueOf<Number>(up) == value) {
            found = up;
            return true;
        }
    }
    return false;
}

// The fewest significant digits that read back to value (finite, positive);
// among those, the nearest to value. Once some count of digits reads back,
// every larger count does too (its nearest decimal lies closer still), so
// the fewest are found by halving the range, from max_digits10 that always
// reads back.
template <typename Number>
Decimal shortestDecimal(Number value) {
    int low = 1;
    int high = std::numeric_limits<Number>::max_digits10;
    Decimal shortest{};
    readsBackAt(value, high, shortest);
    while (low < high) {
        const int middle = (low + high) / 2;
        Decimal found{};
        if (readsBackAt(value, middle, found)) {
            high = middle;
            shortest = found;
        } else {
            low = middle + 1;
        }
    }
    return shortest;
}

struct Text {
    char chars[64];
    int length = 0;
    void add(char c) { chars[length++] = c; }
    void add(const char* text) {
        while (*text != '\0') add(*text++);
    }
    void addDigits(const char* digits, int count) {
        for (int i = 0; i < count; ++i) add(digits[i]);
    }
};

std::to_chars_result copyOut(const Text& text, char* first, char* last) {
    if (last - first < text.length) return {last, std::errc::value_too_large};
    std::memcpy(first, text.chars, static_cast<std::size_t>(text.length));
    return {first + text.length, std::errc()};
}

void addScientific(Text& text, const Decimal& decimal) {
    text.add(decimal.digits[0]);
    if (decimal.count > 1) {
        text.add('.');
        text.addDigits(decimal.digits + 1, decimal.count - 1);
    }
    char exponent[16];
    std::snprintf(exponent, sizeof exponent, "e%c%02d", decimal.exponent < 0 ? '-' : '+',
                  std::abs(decimal.exponent));
    text.add(exponent);
}

void addFixed(Text& text, const Decimal& decimal, double magnitude) {
    const int n = decimal.count;
    const int x = decimal.exponent;
    if (x >= n - 1) {
        // A whole number: printf's %f writes its exact digits, not the
        // shortest ones padded with zeros, and so does to_chars.
        char whole[48];
        std::snprintf(whole, sizeof whole, "%.0f", magnitude);
        text.add(whole);
    } else if (x >= 0) {
        text.addDigits(decimal.digits, x + 1);
        text.add('.');
        text.addDigits(decimal.digits + x + 1, n - x - 1);
    } else {
        text.add("0.");
        for (int i = 0; i < -x - 1; ++i) text.add('0');
        text.addDigits(decimal.digits, n);
    }
}

// A magnitude below 2^20 with a fraction of a quarter, a half or three
// quarters (a font of 13.5 points, a box's edge at a quarter twip) written
// at once: its exact decimal is its shortest, a shorter one being at least
// 0.05 away where neighbouring floats are at most 1/16 apart. The general
// search calls printf, which is slow in the web build.
bool addQuarter(Text& text, double magnitude) {
    const double quarters = magnitude * 4;
    if (magnitude >= 1048576 || quarters != std::floor(quarters)) return false;
    const auto whole = static_cast<long long>(quarters) / 4;
    const auto fraction = static_cast<long long>(quarters) % 4;
    if (fraction == 0) return false;
    char digits[8];
    int count = 0;
    for (long long rest = whole; count == 0 || rest > 0; rest /= 10)
        digits[count++] = char('0' + rest % 10);
    while (count > 0) text.add(digits[--count]);
    text.add(fraction == 1 ? ".25" : fraction == 2 ? ".5" : ".75");
    return true;
}

// to_chars's plain shortest form: fixed or scientific, whichever is shorter,
// fixed on a tie.
template <typename Number>
std::to_chars_result writeShortestOf(char* first, char* last, Number value) {
    Text text;
    if (std::signbit(value)) text.add('-');
    if (std::isnan(value)) {
        text.add("nan");
    } else if (std::isinf(value)) {
        text.add("inf");
    } else if (value == 0) {
        text.add('0');
    } else if (addQuarter(text, std::fabs(static_cast<double>(value)))) {
    } else {
        const Decimal decimal = shortestDecimal(std::fabs(value));
        const int n = decimal.count;
        const int x = decimal.exponent;
        const int scientificLength = n + (n > 1 ? 1 : 0) + 2 + (std::abs(x) >= 100 ? 3 : 2);
        const int fixedLength = x >= n - 1 ? x + 1 : (x >= 0 ? n + 1 : n + 1 - x);
        if (fixedLength <= scientificLength) {
            addFixed(text, decimal, std::fabs(static_cast<double>(value)));
        } else {
            addScientific(text, decimal);
        }
    }
    return copyOut(text, first, last);
}

// Whether [at, last) starts with `word`, ignoring case.
bool startsWithWord(const char* at, const char* last, const char* word) {
    const std::size_t length = std::strlen(word);
    if (static_cast<std::size_t>(last - at) < length) return false;
    for (std::size_t i = 0; i < length; ++i) {
        if ((at[i] | 0x20) != word[i]) return false;
    }
    return true;
}

template <typename Number>
std::from_chars_result readSpecial(const char* at, const char* last, bool negative, Number& value) {
    const Number sign = negative ? Number{-1} : Number{1};
    if (startsWithWord(at, last, "inf")) {
        at += 3;
        if (startsWithWord(at, last, "inity")) at += 5;
        value = sign * std::numeric_limits<Number>::infinity();
        return {at, std::errc()};
    }
    at += 3;  // "nan", with an optional "(letters, digits and _)"
    const char* close = at;
    if (close != last && *close == '(') {
        ++close;
        while (close != last && isNanPayload(*close)) ++close;
        if (close != last && *close == ')') at = close + 1;
    }
    value = std::copysign(std::numeric_limits<Number>::quiet_NaN(), sign);
    return {at, std::errc()};
}

// The value is 0.(digits) × 10^scale; digits beyond the kept ones only
// matter for being non-zero (they break a tie in the rounding).
struct Significand {
    char digits[kMaxReadDigits + 1];
    int kept = 0;
    bool droppedNonzero = false;
    long long scale = 0;
    bool anyDigit = false;

    void take(char c) {
        if (kept < kMaxReadDigits) {
            digits[kept++] = c;
        } else if (c != '0') {
            droppedNonzero = true;
        }
    }
};

// Digits with an optional point; leading zeros only move the scale. A point
// with no digit on either side is not read.
const char* readSignificand(const char* at, const char* last, Significand& s) {
    for (; at != last && isDigit(*at); ++at) {
        s.anyDigit = true;
        if (s.kept == 0 && *at == '0') continue;
        s.take(*at);
        ++s.scale;
    }
    if (at != last && *at == '.') {
        const char* point = at++;
        for (; at != last && isDigit(*at); ++at) {
            s.anyDigit = true;
            if (s.kept == 0 && *at == '0') {
                --s.scale;
                continue;
            }
            s.take(*at);
        }
        if (!s.anyDigit) at = point;
    }
    return at;
}

// An exponent counts only with at least one digit after its letter.
const char* readExponent(const char* at, const char* last, long long& exponent) {
    exponent = 0;
    if (at == last || (*at != 'e' && *at != 'E')) return at;
    const char* look = at + 1;
    const bool negative = look != last && *look == '-';
    if (look != last && (*look == '-' || *look == '+')) ++look;
    if (look == last || !isDigit(*look)) return at;
    for (; look != last && isDigit(*look); ++look) {
        exponent = std::min(exponent * 10 + (*look - '0'), kExponentLimit);
    }
    if (negative) exponent = -exponent;
    return look;
}

template <typename Number>
std::from_chars_result readNumberOf(const char* first, const char* last, Number& value) {
    const char* at = first;
    const bool negative = at != last && *at == '-';
    if (negative) ++at;
    if (startsWithWord(at, last, "inf") || startsWithWord(at, last, "nan")) {
        return readSpecial(at, last, negative, value);
    }

    Significand s;
    at = readSignificand(at, last, s);
    if (!s.anyDigit) return {first, std::errc::invalid_argument};
    long long exponent = 0;
    at = readExponent(at, last, exponent);

    if (s.kept == 0) {
        value = negative ? -Number{0} : Number{0};
        return {at, std::errc()};
    }
    if (s.droppedNonzero) s.digits[s.kept++] = '1';
    const long long power =
        std::clamp(s.scale + exponent - s.kept, -2 * kExponentLimit, 2 * kExponentLimit);
    const Number magnitude = valueOfDigits<Number>(s.digits, s.kept, power);
    if (magnitude == 0 || std::isinf(magnitude)) return {at, std::errc::result_out_of_range};
    value = negative ? -magnitude : magnitude;
    return {at, std::errc()};
}

}  // namespace

std::to_chars_result writeShortest(char* first, char* last, double value) {
    return writeShortestOf(first, last, value);
}

std::to_chars_result writeShortest(char* first, char* last, float value) {
    return writeShortestOf(first, last, value);
}

std::to_chars_result writeSignificant(char* first, char* last, double value, int precision) {
    char printed[64];
    std::snprintf(printed, sizeof printed, "%.*g", precision, value);
    // The locale's decimal point, whatever it is, becomes '.'.
    Text text;
    for (const char* at = printed; *at != '\0'; ++at) {
        const bool plain = isDigit(*at) || std::strchr("-+einaf", *at) != nullptr;
        if (plain) {
            text.add(*at);
        } else if (text.length == 0 || text.chars[text.length - 1] != '.') {
            text.add('.');
        }
    }
    return copyOut(text, first, last);
}

std::from_chars_result readNumber(const char* first, const char* last, double& value) {
    return readNumberOf(first, last, value);
}

std::from_chars_result readNumber(const char* first, const char* last, float& value) {
    return readNumberOf(first, last, value);
}

}  // namespace tarvel::portable
