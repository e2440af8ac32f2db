#include "app/web/json_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace tarvel::web {

void JsonText::separate() {
    if (!first_) text_ += ',';
    first_ = false;
}

JsonText& JsonText::beginObject() {
    separate();
    text_ += '{';
    first_ = true;
    return *this;
}

JsonText& JsonText::endObject() {
    text_ += '}';
    first_ = false;
    return *this;
}

JsonText& JsonText::beginArray() {
    separate();
    text_ += '[';
    first_ = true;
    return *this;
}

JsonText& JsonText::endArray() {
    text_ += ']';
    first_ = false;
    return *this;
}

JsonText& JsonText::key(std::string_view name) {
    value(name);
    text_ += ':';
    first_ = true;  // the value that follows takes no comma
    return *this;
}

JsonText& JsonText::value(std::string_view text) {
    separate();
    text_ += '"';
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            text_ += '\\';
            text_ += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            std::array<char, 8> escaped{};
            std::snprintf(escaped.data(), escaped.size(), "\\u%04x", c);
            text_ += escaped.data();
        } else {
            text_ += c;
        }
    }
    text_ += '"';
    return *this;
}

JsonText& JsonText::value(double number) {
    separate();
    if (!std::isfinite(number)) {
        text_ += "null";
        return *this;
    }
    std::array<char, 32> digits{};
    // Positions are mostly whole twips: their digits are quick to write.
    // Others take 17 significant digits, which read back to the same
    // double, in one go (the page's C library keeps the "C" locale).
    constexpr double kWholeLimit = 1e15;
    if (number == std::trunc(number) && std::fabs(number) < kWholeLimit) {
        const auto whole = static_cast<long long>(number);
        const auto written = std::to_chars(digits.data(), digits.data() + digits.size(), whole);
        text_.append(digits.data(), written.ptr);
        return *this;
    }
    const int length = std::snprintf(digits.data(), digits.size(), "%.17g", number);
    text_.append(digits.data(), static_cast<std::size_t>(std::max(length, 0)));
    return *this;
}

JsonText& JsonText::value(int number) {
    return value(static_cast<double>(number));
}

JsonText& JsonText::value(bool flag) {
    separate();
    text_ += flag ? "true" : "false";
    return *this;
}

}  // namespace tarvel::web
