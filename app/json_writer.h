#pragma once
// A small streaming JSON writer, for the runner's dumps and the page's records. Numbers are
// written in their shortest round-trip form (floats as floats), non-finite
// numbers as null, strings escaped so that any bytes give valid JSON.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tarvel {

class JsonWriter {
  public:
    void beginObject();
    void endObject();
    void beginArray();
    void endArray();
    // The key of the next value inside an object.
    void key(std::string_view name);

    void number(double value);
    void number(float value);
    void integer(std::int64_t value);
    void unsignedInteger(std::uint64_t value);
    void boolean(bool value);
    void string(std::string_view text);
    void null();

    // A key and its value in one call.
    void numberField(std::string_view name, double value);
    void numberField(std::string_view name, float value);
    void integerField(std::string_view name, std::int64_t value);
    void countField(std::string_view name, std::uint64_t value);
    void booleanField(std::string_view name, bool value);
    void stringField(std::string_view name, std::string_view value);

    const std::string& text() const { return out_; }

  private:
    void beforeValue();

    std::string out_;
    std::vector<bool> firstInScope_;
    bool afterKey_ = false;
};

// `text` as a JSON string literal, quotes included. Bytes that are not valid
// UTF-8 become U+FFFD; control characters are escaped.
std::string jsonQuoted(std::string_view text);

}  // namespace tarvel
