#include "app/web/records_json.h"

#include <array>
#include <cmath>
#include <cstdint>

#include "app/accessible_text.h"
#include "app/control_fields.h"
#include "app/control_table.h"
#include "app/json_writer.h"
#include "app/picture_description.h"
#include "app/reading_order.h"
#include "paths/path_editing.h"

namespace tarvel::web {
namespace {

using K = ControlKind;

// A record's single-precision number: positions and sizes in twips, font
// sizes. Most are whole: those are written as they are, quicker than the
// shortest form, which searches digit by digit where the standard library
// has no to_chars (the web build).
void writeFloat(JsonWriter& json, std::string_view name, float value) {
    const bool whole = value == std::trunc(value) && std::fabs(value) < 1e9f;
    if (whole) {
        json.integerField(name, static_cast<std::int64_t>(value));
    } else {
        json.numberField(name, value);
    }
}

// The record fields of app/control_fields.h as JSON.
struct JsonFields {
    JsonWriter& json;

    void text(const char* name, std::string_view value) { json.stringField(name, value); }
    void number(const char* name, float value) { writeFloat(json, name, value); }
    void integer(const char* name, std::int64_t value) { json.integerField(name, value); }
    void flag(const char* name, bool value) { json.booleanField(name, value); }
    void texts(const char* name, const std::vector<std::string>& items) {
        json.key(name);
        json.beginArray();
        for (const std::string& item : items) json.string(item);
        json.endArray();
    }
};

void writeLine(JsonWriter& json, DrawingRef item, const LineShape& line) {
    JsonFields fields{json};
    json.beginObject();
    json.stringField("id", drawingId(item));
    visitLine(fields, line);
    json.endObject();
}

// The fields every control has, then those of its kind.
void writeControl(JsonWriter& json, const Form& form, ControlRef control) {
    const AccessibleText text = accessibleTextOf(form, control);
    json.beginObject();
    json.stringField("id", controlId(control));
    json.stringField("name", text.name);
    json.stringField("description", text.description);
    // From the table of controls: the index within its array, its place in
    // the stacking (0 lowest) and the events it takes.
    const ControlEntry* entry = findControl(control);
    json.integerField("index", control.index);
    json.integerField("rank", stackingRank(control));
    json.key("events");
    json.beginArray();
    for (const ControlEvent event : kControlEvents) {
        if (entry != nullptr && actionOf(*entry, event) != nullptr)
            json.string(controlEventName(event));
    }
    json.endArray();
    JsonFields fields{json};
    visitKindFields(fields, form, control);
    // A statistic's unit, which the page reads out after its figure.
    const StatisticsRow* row =
        control.kind == ControlKind::LblAt ? statisticsRowOf(control.index) : nullptr;
    if (row != nullptr) json.stringField("unit", row->unit);
    json.endObject();
}

// The core's numbers the page measures and counts by.
void writeUnits(JsonWriter& json) {
    json.integerField("twipsPerPixel", static_cast<std::int64_t>(kTwipsPerPixel));
    json.integerField(
        "pictureBorderPx",
        static_cast<std::int64_t>(static_cast<double>(PictureBox::kBorder) / kTwipsPerPixel));
    json.key("mouseButtons");
    json.beginObject();
    json.integerField("left", buttonCode(MouseButton::Left));
    json.integerField("middle", buttonCode(MouseButton::Middle));
    json.integerField("right", buttonCode(MouseButton::Right));
    json.endObject();
}

void writeFrame(JsonWriter& json, const Form& form, int i) {
    JsonFields fields{json};
    json.beginObject();
    json.stringField("id", drawingId({DrawingKind::Frame, i}));
    visitFrame(fields, form.cmdShape[static_cast<std::size_t>(i)]);
    json.endObject();
}

void writeTimer(JsonWriter& json, const Timer& timer) {
    json.key("timer");
    json.beginObject();
    json.booleanField("enabled", timer.enabled);
    json.integerField("intervalMs", timer.intervalMs);
    json.endObject();
}

void writeMarkerStack(JsonWriter& json, const Form& form) {
    json.key("markerStack");
    json.beginArray();
    for (const int index : form.markerStack) json.integer(index);
    json.endArray();
}

// The reading order's areas, each a list of ids: a control's, or the
// elements the page makes for the impulse diagram and the markers' group.
void writeReadingAreas(JsonWriter& json) {
    json.key("readingAreas");
    json.beginArray();
    for (const ReadingArea& area : readingAreas()) {
        json.beginObject();
        json.stringField("id", area.id);
        json.stringField("name", area.name);
        json.stringField(
            "titleId", area.titleLabel < 0 ? "" : controlId({ControlKind::LblAt, area.titleLabel}));
        json.key("members");
        json.beginArray();
        for (const ReadingItem& item : area.items) {
            switch (item.kind) {
                case ReadingItem::Kind::ImpulseDiagram:
                    json.string("impulseDiagram");
                    break;
                case ReadingItem::Kind::Markers:
                    json.string("markerKeys");
                    break;
                case ReadingItem::Kind::Control:
                    json.string(controlId(item.control));
                    break;
            }
        }
        json.endArray();
        json.endObject();
    }
    json.endArray();
}

// A line of the drawing, or a frame (which the page keeps with the controls).
void writeDrawingRecord(JsonWriter& json, const Form& form, DrawingRef item) {
    if (item.kind == DrawingKind::Frame) return writeFrame(json, form, item.index);
    const auto i = static_cast<std::size_t>(item.index);
    writeLine(json, item,
              item.kind == DrawingKind::Axis ? form.axis(item.index) : form.lneImpulse[i]);
}

}  // namespace

std::string recordsJson(const Form& form) {
    JsonWriter json;
    json.beginObject();
    json.stringField("caption", form.caption);
    writeFloat(json, "clientWidth", form.clientWidth);
    writeFloat(json, "clientHeight", form.clientHeight);
    json.stringField("backColour", toHex(form.backColour));
    writeTimer(json, form.timer1);
    json.stringField("dropPlaceName", kDropPlaceName);
    json.stringField("impulseDescription", impulseDiagramDescription(form));
    writeUnits(json);

    json.key("tabOrder");
    json.beginArray();
    for (const ControlRef& control : form.tabOrder) json.string(controlId(control));
    json.endArray();
    writeMarkerStack(json, form);
    writeReadingAreas(json);

    json.key("lines");
    json.beginArray();
    for (int a = 0; a < kAxisCount; ++a) writeLine(json, {DrawingKind::Axis, a}, form.axis(a));
    for (int i = 0; i < kPathCount; ++i)
        writeLine(json, {DrawingKind::Impulse, i}, form.lneImpulse[static_cast<std::size_t>(i)]);
    json.endArray();
    json.key("drawingOrder");
    json.beginArray();
    for (const DrawingRef& item : kDrawingOrder) json.string(drawingId(item));
    json.endArray();

    json.key("controls");
    json.beginArray();
    for (const ControlRef& control : allControls()) writeControl(json, form, control);
    for (int i = 0; i < kPathCount; ++i) writeFrame(json, form, i);
    json.endArray();
    json.endObject();
    return json.text();
}

}  // namespace tarvel::web

namespace tarvel::web {

std::string changesJson(const Form& form, const FormChanges& changes,
                        const std::vector<RasteredItem>& drawn, double ratio,
                        const std::optional<std::string>& impulseDescription) {
    JsonWriter json;
    json.beginObject();
    json.key("controls");
    json.beginArray();
    for (const ControlRef& control : changes.controls) writeControl(json, form, control);
    for (const DrawingRef& item : changes.drawing) {
        if (item.kind == DrawingKind::Frame) writeDrawingRecord(json, form, item);
    }
    json.endArray();
    json.key("lines");
    json.beginArray();
    for (const DrawingRef& item : changes.drawing) {
        if (item.kind != DrawingKind::Frame) writeDrawingRecord(json, form, item);
    }
    json.endArray();
    json.key("drawing");
    writeRasteredItems(json, drawn, ratio);
    if (changes.stacking) writeMarkerStack(json, form);
    if (changes.timer) writeTimer(json, form.timer1);
    json.key("messages");
    json.beginArray();
    for (const std::string& text : changes.messages) json.string(text);
    json.endArray();
    if (impulseDescription) json.stringField("impulseDescription", *impulseDescription);
    json.endObject();
    return json.text();
}

}  // namespace tarvel::web
