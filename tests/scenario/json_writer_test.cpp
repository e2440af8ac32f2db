// The runner's JSON output: numbers that read back exactly, null for what
// JSON cannot spell, strings escaped whatever bytes they hold.

#include "app/json_writer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "json_value.h"
#include "tools/tarvel-script/recording_surface.h"

namespace tarvel::script {
namespace {

TEST(JsonWriter, NumbersAreShortestAndReadBackExactly) {
    JsonWriter json;
    json.beginArray();
    json.number(0.1f);
    json.number(547.5f);
    json.number(1e20f);
    json.number(0.1);
    json.number(1.0 / 3.0);
    json.number(-0.0);
    json.integer(-7);
    json.endArray();
    EXPECT_EQ(json.text(), "[0.1, 547.5, 1e+20, 0.1, 0.3333333333333333, -0, -7]");
    const auto parsed = scenario::JsonValue::parse(json.text());
    EXPECT_EQ(static_cast<float>(parsed[0].number()), 0.1f);
    EXPECT_EQ(parsed[4].number(), 1.0 / 3.0);
}

TEST(JsonWriter, NonFiniteNumbersBecomeNull) {
    JsonWriter json;
    json.beginObject();
    json.numberField("inf", std::numeric_limits<double>::infinity());
    json.numberField("nan", std::numeric_limits<float>::quiet_NaN());
    json.endObject();
    EXPECT_EQ(json.text(), R"({"inf": null, "nan": null})");
}

TEST(JsonWriter, StringsAreEscapedAndInvalidUtf8Replaced) {
    EXPECT_EQ(jsonQuoted("a\"b\\c\n\t\x01\x7f"), R"("a\"b\\c\n\t\u0001\u007f")");
    EXPECT_EQ(jsonQuoted("\xc2\xb5s"), "\"\xc2\xb5s\"");  // a valid mu stays
    EXPECT_EQ(jsonQuoted("\xff\xc2 \xe0\x80\x80"), R"("\ufffd\ufffd \ufffd\ufffd\ufffd")");
    EXPECT_EQ(scenario::JsonValue::parse(jsonQuoted("x\x02y")).text(), "x\x02y");
}

TEST(JsonWriter, NestedScopesGetTheirSeparators) {
    JsonWriter json;
    json.beginObject();
    json.key("a");
    json.beginArray();
    json.beginArray();
    json.endArray();
    json.boolean(true);
    json.null();
    json.endArray();
    json.countField("b", 3);
    json.endObject();
    EXPECT_EQ(json.text(), R"({"a": [[], true, null], "b": 3})");
}

TEST(RecordingSurface, KeepsColouredSegmentsUpToItsLimit) {
    RecordingSurface surface;
    surface.setColour(RGB(0, 128, 0));
    surface.line(1, 2, 3, 4);
    ASSERT_EQ(surface.segments.size(), 1u);
    EXPECT_EQ(surface.segments[0].colour, RGB(0, 128, 0));
    EXPECT_EQ(surface.segments[0].y2, 4.0f);
    for (std::size_t i = 0; i < RecordingSurface::kMaxSegments; ++i) surface.line(0, 0, 1, 1);
    EXPECT_FALSE(surface.complete());
    EXPECT_EQ(surface.segments.size(), RecordingSurface::kMaxSegments);
    surface.clear();
    EXPECT_TRUE(surface.complete());
    EXPECT_TRUE(surface.segments.empty());
}

}  // namespace
}  // namespace tarvel::script
