#include "app/web/records_json.h"

#include <array>
#include <cmath>
#include <cstdint>

#include "app/accessible_text.h"
#include "app/json_writer.h"
#include "paths/path_editing.h"
#include "paths/path_state.h"

namespace tarvel::web {
namespace {

using K = ControlKind;

const char* alignName(Align align) {
    switch (align) {
        case Align::Right:
            return "right";
        case Align::Centre:
            return "center";
        default:
            return "left";
    }
}

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

void writeBox(JsonWriter& json, const Box& box) {
    writeFloat(json, "left", box.left);
    writeFloat(json, "top", box.top);
    writeFloat(json, "width", box.width);
    writeFloat(json, "height", box.height);
}

void writeLine(JsonWriter& json, const std::string& id, const LineShape& line) {
    json.beginObject();
    json.stringField("id", id);
    writeFloat(json, "x1", line.x1);
    writeFloat(json, "y1", line.y1);
    writeFloat(json, "x2", line.x2);
    writeFloat(json, "y2", line.y2);
    json.integerField("widthPx", line.widthPx);
    json.booleanField("visible", line.visible);
    json.endObject();
}

void writeShown(JsonWriter& json, bool visible, bool enabled) {
    json.booleanField("visible", visible);
    json.booleanField("enabled", enabled);
}

// A statistic is a value field that the analysis fills: its name is its
// row's title, its description the figure with its unit.
void writeLabel(JsonWriter& json, const Label& l, bool statistic) {
    json.stringField("kind", "label");
    writeBox(json, l);
    json.stringField("caption", l.caption);
    json.stringField("align", alignName(l.align));
    writeFloat(json, "fontPt", l.fontPt);
    json.booleanField("statistic", statistic);
    json.booleanField("visible", l.visible);
    json.booleanField("wraps", wraps(l));
}

void writeButton(JsonWriter& json, const CommandButton& b, const char* kind) {
    json.stringField("kind", kind);
    writeBox(json, b);
    json.stringField("caption", b.caption);
    writeFloat(json, "fontPt", b.fontPt);
    json.stringField("backColour", toHex(b.backColour));
    json.stringField("tag", b.tag);
    writeShown(json, b.visible, b.enabled);
}

void writeMarker(JsonWriter& json, const Form& form, int index) {
    writeButton(json, form.cmdSource[static_cast<std::size_t>(index)], "marker");
    json.booleanField("on", isPathOn(form, index));
}

void writeBar(JsonWriter& json, const ScrollBar& s) {
    json.stringField("kind", s.vertical ? "vbar" : "hbar");
    writeBox(json, s);
    json.integerField("min", s.min);
    json.integerField("max", s.max);
    json.integerField("value", s.value);
    json.integerField("smallChange", s.smallChange);
    json.integerField("largeChange", s.largeChange);
    json.booleanField("tracking", s.tracking);
    writeShown(json, s.visible, s.enabled);
}

void writeToggle(JsonWriter& json, const CheckBox& c) {
    json.stringField("kind", "toggle");
    writeBox(json, c);
    json.stringField("caption", c.caption);
    writeFloat(json, "fontPt", c.fontPt);
    json.integerField("value", c.value);
    json.stringField("captionColour", c.captionColour ? toHex(*c.captionColour) : "");
    writeShown(json, c.visible, c.enabled);
}

void writeList(JsonWriter& json, const ComboBox& list) {
    json.stringField("kind", "list");
    writeBox(json, list);
    json.key("items");
    json.beginArray();
    for (const std::string& item : list.items) json.string(item);
    json.endArray();
    json.stringField("text", list.text);
    json.integerField("listIndex", list.listIndex);
    writeFloat(json, "fontPt", list.fontPt);
    writeShown(json, list.visible, list.enabled);
}

void writeImage(JsonWriter& json, const ImageBox& image) {
    json.stringField("kind", "image");
    writeBox(json, image);
    json.booleanField("visible", image.visible);
}

void writePicture(JsonWriter& json, const Form& form, ControlKind kind) {
    const PictureBox& p = form.picture(kind);
    json.stringField("kind", "picture");
    writeBox(json, p);
    writeFloat(json, "innerWidth", p.innerWidth());
    writeFloat(json, "innerHeight", p.innerHeight());
    json.booleanField("visible", p.visible);
    json.integerField("surface", pictureNumber(kind));
}

// The fields of a control's kind.
void writeKindFields(JsonWriter& json, const Form& form, ControlRef control) {
    const auto i = static_cast<std::size_t>(control.index);
    switch (control.kind) {
        case K::Label1:
            return writeLabel(json, form.label1, false);
        case K::Label2:
            return writeLabel(json, form.label2, false);
        case K::LblAt:
            return writeLabel(json, form.lblAt[i], statisticsRowOf(control.index) != nullptr);
        case K::CmdSource:
            return writeMarker(json, form, control.index);
        case K::CmdRand:
            return writeButton(json, form.cmdRand, "button");
        case K::CmdGo:
            return writeButton(json, form.cmdGo[i], "button");
        case K::HscFade:
            return writeBar(json, form.hscFade);
        case K::VscSpectrumRange:
            return writeBar(json, form.vscSpectrumRange);
        case K::ChkLinear:
            return writeToggle(json, form.chkLinear);
        case K::ChkMemory:
            return writeToggle(json, form.chkMemory);
        case K::CmbSymbol:
            return writeList(json, form.cmbSymbol);
        case K::ImgZelm:
            return writeImage(json, form.imgZelm);
        case K::PicIndividual:
        case K::PicCombo:
        case K::PicSumGraph:
        case K::PicSpectrum:
            return writePicture(json, form, control.kind);
    }
}

// The fields every control has, then those of its kind.
void writeControl(JsonWriter& json, const Form& form, ControlRef control) {
    const AccessibleText text = accessibleTextOf(form, control);
    json.beginObject();
    json.stringField("id", controlId(control));
    json.stringField("name", text.name);
    json.stringField("description", text.description);
    writeKindFields(json, form, control);
    json.endObject();
}

// The core's numbers the page measures and counts by.
void writeUnits(JsonWriter& json) {
    json.integerField("twipsPerPixel", static_cast<std::int64_t>(kTwipsPerPixel));
    json.integerField("pathCount", kPathCount);
    json.key("mouseButtons");
    json.beginObject();
    json.integerField("left", buttonCode(MouseButton::Left));
    json.integerField("middle", buttonCode(MouseButton::Middle));
    json.integerField("right", buttonCode(MouseButton::Right));
    json.endObject();
}

void writeFrame(JsonWriter& json, const Form& form, int i) {
    const FilledShape& frame = form.cmdShape[static_cast<std::size_t>(i)];
    json.beginObject();
    json.stringField("id", drawingId({DrawingKind::Frame, i}));
    json.stringField("kind", "frame");
    writeBox(json, frame);
    json.stringField("fillColour", toHex(frame.fillColour));
    json.booleanField("visible", frame.visible);
    json.endObject();
}

}  // namespace

std::string recordsJson(const Form& form) {
    JsonWriter json;
    json.beginObject();
    json.stringField("caption", form.caption);
    writeFloat(json, "clientWidth", form.clientWidth);
    writeFloat(json, "clientHeight", form.clientHeight);
    json.stringField("backColour", toHex(form.backColour));
    json.key("timer");
    json.beginObject();
    json.booleanField("enabled", form.timer1.enabled);
    json.integerField("intervalMs", form.timer1.intervalMs);
    json.endObject();
    json.integerField("dragSource", form.dragSource.value_or(-1));
    json.stringField("dropPlaceName", kDropPlaceName);
    writeUnits(json);

    json.key("tabOrder");
    json.beginArray();
    for (const ControlRef& control : form.tabOrder) json.string(controlId(control));
    json.endArray();
    json.key("markerStack");
    json.beginArray();
    for (const int index : form.markerStack) json.integer(index);
    json.endArray();

    json.key("lines");
    json.beginArray();
    for (int a = 0; a < kAxisCount; ++a)
        writeLine(json, drawingId({DrawingKind::Axis, a}), form.axis(a));
    for (int i = 0; i < kPathCount; ++i)
        writeLine(json, drawingId({DrawingKind::Impulse, i}),
                  form.lneImpulse[static_cast<std::size_t>(i)]);
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
