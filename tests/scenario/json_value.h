#pragma once
// A minimal JSON reader for the scenario tests: enough to pick fields out of
// the runner's dumps. Malformed text throws std::runtime_error, so a dump
// that is not valid JSON fails the test that reads it.

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tarvel::scenario {

class JsonValue {
  public:
    enum class Type { Null, Boolean, Number, String, Array, Object };

    static JsonValue parse(std::string_view text);

    Type type() const { return type_; }
    bool isNull() const { return type_ == Type::Null; }
    bool boolean() const;
    double number() const;
    const std::string& text() const;
    std::size_t size() const;  // elements of an array or members of an object
    const JsonValue& operator[](std::size_t index) const;
    const JsonValue& operator[](std::string_view key) const;
    bool has(std::string_view key) const;
    // The numbers of an array of numbers.
    std::vector<double> numbers() const;

  private:
    friend class JsonParser;
    Type type_ = Type::Null;
    bool boolean_ = false;
    double number_ = 0;
    std::string text_;
    std::vector<JsonValue> elements_;
    std::vector<std::pair<std::string, JsonValue>> members_;
};

}  // namespace tarvel::scenario
