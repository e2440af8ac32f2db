#include "tools/tarvel-script/script_line.h"

#include <charconv>
#include <cmath>
#include <system_error>

#include "app/number_text.h"

namespace tarvel::script {
namespace {

constexpr std::size_t kMaxQuotedLength = 40;

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

}  // namespace

LineRead readLine(std::istream& in, std::string& line) {
    line.clear();
    std::streambuf* buffer = in.rdbuf();
    if (buffer == nullptr) return LineRead::End;
    bool readAny = false;
    for (;;) {
        const int c = buffer->sbumpc();
        if (c == std::char_traits<char>::eof()) return readAny ? LineRead::Line : LineRead::End;
        readAny = true;
        if (c == '\n') return LineRead::Line;
        if (line.size() >= kMaxLineLength) return LineRead::TooLong;
        line += static_cast<char>(c);
    }
}

std::vector<std::string_view> splitWords(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t at = 0;
    while (at < line.size()) {
        while (at < line.size() && isBlank(line[at])) ++at;
        if (at == line.size()) break;
        if (words.empty() && line[at] == '#') break;  // a comment line
        std::size_t end = at;
        while (end < line.size() && !isBlank(line[end])) ++end;
        words.push_back(line.substr(at, end - at));
        at = end;
    }
    return words;
}

std::string quoted(std::string_view word) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string text = "'";
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (i == kMaxQuotedLength) {
            text += "...";
            break;
        }
        const auto c = static_cast<unsigned char>(word[i]);
        if (c >= 0x20 && c < 0x7F && c != '\\') {
            text += static_cast<char>(c);
        } else {
            text += "\\x";
            text += kHex[c >> 4];
            text += kHex[c & 0xFu];
        }
    }
    return text + "'";
}

int parseInteger(std::string_view word, int low, int high, std::string_view what) {
    int value = 0;
    const char* end = word.data() + word.size();
    const auto [ptr, error] = std::from_chars(word.data(), end, value);
    const bool whole =
        ptr == end && (error == std::errc() || error == std::errc::result_out_of_range);
    if (!whole) throw ScriptError{"not an integer: " + quoted(word)};
    if (error == std::errc::result_out_of_range || value < low || value > high) {
        throw ScriptError{std::string(what) + " out of range: " + quoted(word) + " (" +
                          std::to_string(low) + ".." + std::to_string(high) + ")"};
    }
    return value;
}

float parseFloat(std::string_view word) {
    float value = 0;
    const char* end = word.data() + word.size();
    const auto [ptr, error] = readNumber(word.data(), end, value);
    if (error == std::errc::result_out_of_range) {
        throw ScriptError{"number beyond single precision: " + quoted(word)};
    }
    if (error != std::errc() || ptr != end || !std::isfinite(value)) {
        throw ScriptError{"not a number: " + quoted(word)};
    }
    return value;
}

int parseKey(std::string_view word) {
    if (word.size() == 1) return static_cast<unsigned char>(word[0]);
    const std::string_view digits = word.substr(word.empty() ? 0 : 1);
    const bool isCode = word.size() > 1 && word[0] == '#' &&
                        digits.find_first_not_of("0123456789") == std::string_view::npos;
    if (!isCode) throw ScriptError{"key is neither one character nor #N: " + quoted(word)};
    return parseInteger(digits, 0, 255, "character code");
}

}  // namespace tarvel::script
