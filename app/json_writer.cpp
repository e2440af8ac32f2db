#include "app/json_writer.h"

#include <array>
#include <cmath>

#include "app/number_text.h"

namespace tarvel {
namespace {

template <typename Number>
void appendShortest(std::string& out, Number value) {
    if (!std::isfinite(value)) {
        out += "null";  // JSON has no spelling for inf or nan
        return;
    }
    std::array<char, 64> buffer{};
    const auto result = writeShortest(buffer.data(), buffer.data() + buffer.size(), value);
    out.append(buffer.data(), result.ptr);
}

// Length of the valid UTF-8 sequence starting at text[at], or 0 if invalid.
std::size_t utf8SequenceLength(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    std::size_t length = 0;
    unsigned minimum = 0;
    unsigned code = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, minimum = 0x80, code = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, minimum = 0x800, code = lead & 0x0Fu;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, minimum = 0x10000, code = lead & 0x07u;
    } else {
        return 0;
    }
    if (at + length > text.size()) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(at + i) & 0xC0u) != 0x80u) return 0;
        code = (code << 6) | (byte(at + i) & 0x3Fu);
    }
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    if (code < minimum || code > 0x10FFFF || surrogate) return 0;
    return length;
}

}  // namespace

std::string jsonQuoted(std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x80) {
            const std::size_t length = utf8SequenceLength(text, i);
            if (length == 0) {
                out += "\\ufffd";
                ++i;
            } else {
                out.append(text.substr(i, length));
                i += length;
            }
            continue;
        }
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                if (c < 0x20 || c == 0x7F) {
                    out += "\\u00";
                    out += kHex[c >> 4];
                    out += kHex[c & 0xFu];
                } else {
                    out += static_cast<char>(c);
                }
        }
        ++i;
    }
    out += '"';
    return out;
}

void JsonWriter::beforeValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (firstInScope_.empty()) return;
    if (!firstInScope_.back()) out_ += ", ";
    firstInScope_.back() = false;
}

void JsonWriter::beginObject() {
    beforeValue();
    out_ += '{';
    firstInScope_.push_back(true);
}

void JsonWriter::endObject() {
    out_ += '}';
    firstInScope_.pop_back();
}

void JsonWriter::beginArray() {
    beforeValue();
    out_ += '[';
    firstInScope_.push_back(true);
}

void JsonWriter::endArray() {
    out_ += ']';
    firstInScope_.pop_back();
}

void JsonWriter::key(std::string_view name) {
    beforeValue();
    out_ += jsonQuoted(name);
    out_ += ": ";
    afterKey_ = true;
}

void JsonWriter::number(double value) {
    beforeValue();
    appendShortest(out_, value);
}

void JsonWriter::number(float value) {
    beforeValue();
    appendShortest(out_, value);
}

void JsonWriter::integer(std::int64_t value) {
    beforeValue();
    out_ += std::to_string(value);
}

void JsonWriter::unsignedInteger(std::uint64_t value) {
    beforeValue();
    out_ += std::to_string(value);
}

void JsonWriter::boolean(bool value) {
    beforeValue();
    out_ += value ? "true" : "false";
}

void JsonWriter::string(std::string_view text) {
    beforeValue();
    out_ += jsonQuoted(text);
}

void JsonWriter::null() {
    beforeValue();
    out_ += "null";
}

void JsonWriter::numberField(std::string_view name, double value) {
    key(name);
    number(value);
}

void JsonWriter::numberField(std::string_view name, float value) {
    key(name);
    number(value);
}

void JsonWriter::integerField(std::string_view name, std::int64_t value) {
    key(name);
    integer(value);
}

void JsonWriter::countField(std::string_view name, std::uint64_t value) {
    key(name);
    unsignedInteger(value);
}

void JsonWriter::booleanField(std::string_view name, bool value) {
    key(name);
    boolean(value);
}

void JsonWriter::stringField(std::string_view name, std::string_view value) {
    key(name);
    string(value);
}

}  // namespace tarvel
