#pragma once
// A small JSON writer for the records the page mirrors: objects, arrays,
// strings, numbers in their shortest round-trip form, booleans.

#include <string>
#include <string_view>

namespace tarvel::web {

class JsonText {
  public:
    JsonText& beginObject();
    JsonText& endObject();
    JsonText& beginArray();
    JsonText& endArray();
    // The key of the next value inside an object.
    JsonText& key(std::string_view name);
    JsonText& value(std::string_view text);
    JsonText& value(const char* text) { return value(std::string_view(text)); }
    JsonText& value(const std::string& text) { return value(std::string_view(text)); }
    JsonText& value(double number);
    JsonText& value(int number);
    JsonText& value(bool flag);

    const std::string& text() const { return text_; }

  private:
    void separate();
    std::string text_;
    bool first_ = true;  // no value yet in the innermost object or array
};

}  // namespace tarvel::web
