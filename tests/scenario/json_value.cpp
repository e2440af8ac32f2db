#include "json_value.h"

#include <cctype>
#include <charconv>
#include <stdexcept>

namespace tarvel::scenario {

class JsonParser {
  public:
    explicit JsonParser(std::string_view text) : text_(text) {}

    JsonValue document() {
        JsonValue value = parseValue();
        skipBlanks();
        if (at_ != text_.size()) fail("text after the value");
        return value;
    }

  private:
    [[noreturn]] void fail(const std::string& what) const {
        throw std::runtime_error("invalid JSON at " + std::to_string(at_) + ": " + what);
    }
    void skipBlanks() {
        while (at_ < text_.size() && std::string_view(" \t\r\n").find(text_[at_]) != npos) ++at_;
    }
    char peek() {
        skipBlanks();
        if (at_ == text_.size()) fail("unexpected end");
        return text_[at_];
    }
    void expect(char c) {
        if (peek() != c) fail(std::string("expected '") + c + "'");
        ++at_;
    }
    // Consumes `end` if it comes next.
    bool closes(char end) {
        if (peek() != end) return false;
        ++at_;
        return true;
    }
    bool literal(std::string_view word) {
        if (text_.substr(at_, word.size()) != word) return false;
        at_ += word.size();
        return true;
    }

    JsonValue parseValue() {
        JsonValue value;
        const char c = peek();
        if (c == '{') {
            value.type_ = JsonValue::Type::Object;
            ++at_;
            while (!closes('}')) {
                if (!value.members_.empty()) expect(',');
                std::string key = parseString();
                expect(':');
                value.members_.emplace_back(std::move(key), parseValue());
            }
            return value;
        }
        if (c == '[') {
            value.type_ = JsonValue::Type::Array;
            ++at_;
            while (!closes(']')) {
                if (!value.elements_.empty()) expect(',');
                value.elements_.push_back(parseValue());
            }
            return value;
        }
        if (c == '"') {
            value.type_ = JsonValue::Type::String;
            value.text_ = parseString();
        } else if (literal("null")) {
            value.type_ = JsonValue::Type::Null;
        } else if (literal("true")) {
            value.type_ = JsonValue::Type::Boolean;
            value.boolean_ = true;
        } else if (literal("false")) {
            value.type_ = JsonValue::Type::Boolean;
        } else {
            value.type_ = JsonValue::Type::Number;
            value.number_ = parseNumber();
        }
        return value;
    }

    double parseNumber() {
        const std::size_t start = at_;
        if (at_ < text_.size() && text_[at_] == '-') ++at_;
        if (at_ == text_.size() || !std::isdigit(static_cast<unsigned char>(text_[at_]))) {
            fail("expected a value");
        }
        double number = 0;
        const auto [end, error] =
            std::from_chars(text_.data() + start, text_.data() + text_.size(), number);
        if (error != std::errc()) fail("bad number");
        at_ = static_cast<std::size_t>(end - text_.data());
        return number;
    }

    std::string parseString() {
        expect('"');
        std::string out;
        while (at_ < text_.size() && text_[at_] != '"') {
            const char c = text_[at_++];
            if (static_cast<unsigned char>(c) < 0x20) fail("control character in a string");
            if (c != '\\') {
                out += c;
                continue;
            }
            if (at_ == text_.size()) fail("unfinished escape");
            const char e = text_[at_++];
            switch (e) {
                case '"':
                case '\\':
                case '/':
                    out += e;
                    break;
                case 'n':
                    out += '\n';
                    break;
                case 't':
                    out += '\t';
                    break;
                case 'r':
                    out += '\r';
                    break;
                case 'b':
                    out += '\b';
                    break;
                case 'f':
                    out += '\f';
                    break;
                case 'u':
                    out += parseCodeUnit();
                    break;
                default:
                    fail("unknown escape");
            }
        }
        if (at_ == text_.size()) fail("unfinished string");
        ++at_;
        return out;
    }

    // \uXXXX as UTF-8 (the runner escapes only single code units).
    std::string parseCodeUnit() {
        if (at_ + 4 > text_.size()) fail("short \\u escape");
        unsigned code = 0;
        const auto [end, error] =
            std::from_chars(text_.data() + at_, text_.data() + at_ + 4, code, 16);
        if (error != std::errc() || end != text_.data() + at_ + 4) fail("bad \\u escape");
        at_ += 4;
        std::string out;
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
        return out;
    }

    static constexpr auto npos = std::string_view::npos;
    std::string_view text_;
    std::size_t at_ = 0;
};

JsonValue JsonValue::parse(std::string_view text) {
    return JsonParser(text).document();
}

namespace {
[[noreturn]] void wrongType(const char* wanted) {
    throw std::runtime_error(std::string("JSON value is not ") + wanted);
}
}  // namespace

bool JsonValue::boolean() const {
    if (type_ != Type::Boolean) wrongType("a boolean");
    return boolean_;
}

double JsonValue::number() const {
    if (type_ != Type::Number) wrongType("a number");
    return number_;
}

const std::string& JsonValue::text() const {
    if (type_ != Type::String) wrongType("a string");
    return text_;
}

std::size_t JsonValue::size() const {
    if (type_ == Type::Array) return elements_.size();
    if (type_ == Type::Object) return members_.size();
    wrongType("an array or object");
}

const JsonValue& JsonValue::operator[](std::size_t index) const {
    if (type_ != Type::Array) wrongType("an array");
    if (index >= elements_.size()) throw std::runtime_error("JSON index out of range");
    return elements_[index];
}

const JsonValue& JsonValue::operator[](std::string_view key) const {
    if (type_ != Type::Object) wrongType("an object");
    for (const auto& [name, value] : members_) {
        if (name == key) return value;
    }
    throw std::runtime_error("JSON object has no key " + std::string(key));
}

bool JsonValue::has(std::string_view key) const {
    if (type_ != Type::Object) return false;
    for (const auto& member : members_) {
        if (member.first == key) return true;
    }
    return false;
}

std::vector<double> JsonValue::numbers() const {
    std::vector<double> out;
    for (std::size_t i = 0; i < size(); ++i) out.push_back((*this)[i].number());
    return out;
}

}  // namespace tarvel::scenario
