#include "tools/tarvel-script/state_dump.h"

#include <array>
#include <span>
#include <string>
#include <vector>

#include "app/accessible_text.h"
#include "app/json_writer.h"
#include "app/picture_description.h"
#include "paths/path_state.h"
#include "tools/tarvel-script/script_session.h"

namespace tarvel::script {
namespace {

template <typename Number>
void writeNumbers(JsonWriter& json, std::span<const Number> values) {
    json.beginArray();
    for (const Number v : values) json.number(v);
    json.endArray();
}

template <typename Array>
void writeUsed(JsonWriter& json, std::string_view name, const Array& array, std::size_t used) {
    json.key(name);
    writeNumbers<typename Array::value_type>(json, std::span(array.data(), used));
}

void writeFlagsAndCounters(JsonWriter& json, const Form& form) {
    const DemoState& state = form.state;
    json.stringField("caption", form.caption);
    json.stringField("formBackColour", toHex(form.backColour));
    json.booleanField("timer", form.timer1.enabled);
    json.numberField("symbolTime", state.dSymbolTime);
    json.booleanField("channelValid", state.bChannelValid);
    json.countField("draws", state.generator.count());
    json.integerField("hscFade", form.hscFade.value);
    json.integerField("vscSpectrumRange", form.vscSpectrumRange.value);
}

void writeToggles(JsonWriter& json, const Form& form) {
    json.key("chkLinear");
    json.beginObject();
    json.integerField("value", form.chkLinear.value);
    json.stringField("caption", form.chkLinear.caption);
    json.endObject();

    json.key("chkMemory");
    json.beginObject();
    json.integerField("value", form.chkMemory.value);
    json.key("captionColour");
    if (form.chkMemory.captionColour) {
        json.string(toHex(*form.chkMemory.captionColour));
    } else {
        json.null();
    }
    json.endObject();
    json.booleanField("memoryHeld", form.state.bMemoryHeld);
}

void writeStrings(JsonWriter& json, std::string_view name, const std::vector<std::string>& texts) {
    json.key(name);
    json.beginArray();
    for (const std::string& text : texts) json.string(text);
    json.endArray();
}

void writeSymbolList(JsonWriter& json, const ComboBox& list) {
    json.key("cmbSymbol");
    json.beginObject();
    writeStrings(json, "items", list.items);
    json.stringField("text", list.text);
    json.endObject();
}

// The value fields of the statistics rows, keyed by their label index.
void writeStatistics(JsonWriter& json, const Form& form) {
    json.key("lblAt");
    json.beginObject();
    for (const StatisticsRow& row : kStatisticsRows) {
        json.key(std::to_string(row.value));
        json.string(form.lblAt[static_cast<std::size_t>(row.value)].caption);
    }
    json.endObject();
}

void writeMarkers(JsonWriter& json, const Form& form) {
    json.key("cmdSource");
    json.beginArray();
    for (int i = 0; i < kPathCount; ++i) {
        const CommandButton& marker = form.cmdSource[static_cast<std::size_t>(i)];
        json.beginObject();
        json.numberField("left", marker.left);
        json.numberField("top", marker.top);
        json.stringField("backColour", toHex(marker.backColour));
        json.booleanField("on", isPathOn(form, i));
        json.stringField("tag", marker.tag);
        json.booleanField("visible", marker.visible);
        json.endObject();
    }
    json.endArray();

    json.key("cmdShape");
    json.beginArray();
    for (const FilledShape& frame : form.cmdShape) {
        json.beginObject();
        json.numberField("left", frame.left);
        json.numberField("top", frame.top);
        json.booleanField("visible", frame.visible);
        json.stringField("fillColour", toHex(frame.fillColour));
        json.endObject();
    }
    json.endArray();

    json.key("lneImpulse");
    json.beginArray();
    for (const LineShape& impulse : form.lneImpulse) {
        json.beginObject();
        json.booleanField("visible", impulse.visible);
        json.numberField("x1", impulse.x1);
        json.numberField("y1", impulse.y1);
        json.numberField("x2", impulse.x2);
        json.numberField("y2", impulse.y2);
        json.endObject();
    }
    json.endArray();
}

void writeSurfaceCounts(JsonWriter& json, const Form& form) {
    const std::array<std::pair<const char*, const PictureBox*>, 4> boxes{{
        {"picIndividual", &form.picIndividual},
        {"picCombo", &form.picCombo},
        {"picSumGraph", &form.picSumGraph},
        {"picSpectrum", &form.picSpectrum},
    }};
    json.key("surfaces");
    json.beginObject();
    for (const auto& [name, box] : boxes) {
        json.key(name);
        json.beginObject();
        json.countField("lines", box->linesSinceClear);
        json.countField("clears", box->clears);
        json.endObject();
    }
    json.endObject();
}

}  // namespace

std::string dumpState(const Form& form) {
    const DemoState& state = form.state;
    JsonWriter json;
    json.beginObject();
    writeFlagsAndCounters(json, form);
    writeToggles(json, form);
    writeSymbolList(json, form.cmbSymbol);
    writeMarkers(json, form);
    writeStatistics(json, form);
    writeUsed(json, "dFadeI", state.dFadeI, kPathCount);
    writeUsed(json, "dFadeQ", state.dFadeQ, kPathCount);
    writeUsed(json, "dFadeMeanPower", state.dFadeMeanPower, kPathCount);
    writeSurfaceCounts(json, form);
    writeStrings(json, "messages", form.messages);
    json.endObject();
    return json.text();
}

std::string dumpArrays(const Form& form) {
    const DemoState& state = form.state;
    JsonWriter json;
    json.beginObject();
    writeUsed(json, "dPowerSpectrum", state.dPowerSpectrum, kPoints);
    writeUsed(json, "dPulseSpectrum", state.dPulseSpectrum, kComplexBound);
    writeUsed(json, "dMemorySpectrum", state.dMemorySpectrum, kPoints / 2);
    writeUsed(json, "dShapedSignal", state.dShapedSignal, kComplexBound);
    writeUsed(json, "dSumSignal", state.dSumSignal, kComplexBound);
    writeUsed(json, "dSymbol", state.dSymbol, kSymbols);
    json.endObject();
    return json.text();
}

std::string dumpWords(const Form& form) {
    JsonWriter json;
    json.beginObject();
    json.stringField("diagram", impulseDiagramDescription(form));
    for (const NamedSurface& picture : kSurfaces) {
        json.stringField(picture.name, accessibleTextOf(form, {picture.kind, 0}).description);
    }
    json.endObject();
    return json.text();
}

std::string dumpSurface(std::string_view name, const PictureBox& box,
                        const RecordingSurface& recording) {
    JsonWriter json;
    json.beginObject();
    json.stringField("name", name);
    json.numberField("width", box.innerWidth());
    json.numberField("height", box.innerHeight());
    json.countField("clears", box.clears);
    json.key("lines");
    json.beginArray();
    for (const RecordedSegment& s : recording.segments) {
        json.beginArray();
        for (const float end : {s.x1, s.y1, s.x2, s.y2}) json.number(end);
        json.string(toHex(s.colour));
        json.endArray();
    }
    json.endArray();
    json.endObject();
    return json.text();
}

}  // namespace tarvel::script
