#include "app/control_table.h"

#include <algorithm>
#include <array>

#include "app/user_actions.h"
#include "display/plot_eye.h"

namespace tarvel {
namespace {

using K = ControlKind;

template <auto Member>
ControlPlace placeOf(const Form& form, int /*index*/) {
    const auto& record = form.*Member;
    return {record, record.visible};
}

template <auto Member>
ControlPlace elementPlaceOf(const Form& form, int index) {
    const auto& record = (form.*Member)[static_cast<std::size_t>(index)];
    return {record, record.visible};
}

void markerClick(Form& form, int index, int /*value*/) {
    clickMarker(form, index);
}
void markerKey(Form& form, int index, int keyAscii) {
    keyOnMarker(form, index, keyAscii);
}
void markerPress(Form& form, int index, int button) {
    pressOnMarker(form, index, button);
}
void randomClick(Form& form, int /*index*/, int /*value*/) {
    clickRandom(form);
}
void goClick(Form& form, int index, int /*value*/) {
    clickGo(form, index);
}
void fadeChange(Form& form, int /*index*/, int value) {
    setFadeValue(form, value);
}
void rangeChange(Form& form, int /*index*/, int value) {
    setRangeValue(form, value);
}
void symbolChange(Form& form, int /*index*/, int listIndex) {
    chooseSymbol(form, listIndex);
}
void linearClick(Form& form, int /*index*/, int /*value*/) {
    clickLinear(form);
}
void memoryClick(Form& form, int /*index*/, int /*value*/) {
    clickMemory(form);
}
template <void (*Clear)(Form&)>
void eyeClick(Form& form, int /*index*/, int /*value*/) {
    Clear(form);
}

constexpr std::size_t kSingleControls = 13;
constexpr std::size_t kControlCount = kSingleControls + kGoCount + kLabelCount + kPathCount;

// Where the window's order and a hit test must agree: overlapping controls
// (the Go buttons share a pixel column, the toggles one with each other and
// with the range bar, the statistics' labels share pixel rows) show and
// catch the one higher here.
constexpr std::array<ControlEntry, kControlCount> kTable = [] {
    std::array<ControlEntry, kControlCount> table{};
    std::size_t at = 0;
    const auto add = [&table, &at](const ControlEntry& entry) { table.at(at++) = entry; };

    add({.control = {K::Label2}, .name = "Label2", .place = placeOf<&Form::label2>});
    add({.control = {K::Label1}, .name = "Label1", .place = placeOf<&Form::label1>});
    for (int i = 0; i < kLabelCount; ++i) {
        add({.control = {K::LblAt, i},
             .name = "lblAt",
             .element = true,
             .place = elementPlaceOf<&Form::lblAt>});
    }
    add({.control = {K::ImgZelm}, .name = "imgZelm", .place = placeOf<&Form::imgZelm>});

    add({.control = {K::CmdRand},
         .name = "cmdRand",
         .tabStop = 19,
         .place = placeOf<&Form::cmdRand>,
         .click = randomClick});
    const std::array<int, kGoCount> goTabStops{0, 12};
    for (int g = 0; g < kGoCount; ++g) {
        add({.control = {K::CmdGo, g},
             .name = "cmdGo",
             .element = true,
             .tabStop = goTabStops.at(static_cast<std::size_t>(g)),
             .place = elementPlaceOf<&Form::cmdGo>,
             .click = goClick});
    }
    add({.control = {K::CmbSymbol},
         .name = "cmbSymbol",
         .tabStop = 13,
         .place = placeOf<&Form::cmbSymbol>,
         .change = symbolChange});
    add({.control = {K::HscFade},
         .name = "hscFade",
         .tabStop = 11,
         .place = placeOf<&Form::hscFade>,
         .change = fadeChange});

    add({.control = {K::PicIndividual},
         .name = "picIndividual",
         .tabStop = 4,
         .place = placeOf<&Form::picIndividual>,
         .click = eyeClick<picIndividual_Click>});
    add({.control = {K::PicCombo},
         .name = "picCombo",
         .tabStop = 15,
         .place = placeOf<&Form::picCombo>,
         .click = eyeClick<picCombo_Click>});
    add({.control = {K::PicSumGraph},
         .name = "picSumGraph",
         .tabStop = 5,
         .place = placeOf<&Form::picSumGraph>,
         .click = eyeClick<picSumGraph_Click>});
    // A click on the spectrum does nothing.
    add({.control = {K::PicSpectrum},
         .name = "picSpectrum",
         .tabStop = 14,
         .place = placeOf<&Form::picSpectrum>});

    // The plot's toggles sit on the spectrum box's top edge, the range bar
    // at its right edge: both lie above it.
    add({.control = {K::ChkLinear},
         .name = "chkLinear",
         .tabStop = 18,
         .place = placeOf<&Form::chkLinear>,
         .click = linearClick});
    add({.control = {K::ChkMemory},
         .name = "chkMemory",
         .tabStop = 17,
         .place = placeOf<&Form::chkMemory>,
         .click = memoryClick});
    add({.control = {K::VscSpectrumRange},
         .name = "vscSpectrumRange",
         .tabStop = 16,
         .place = placeOf<&Form::vscSpectrumRange>,
         .change = rangeChange});

    const std::array<int, kPathCount> markerTabStops{1, 2, 3, 6, 7, 8, 9, 10};
    for (int i = 0; i < kPathCount; ++i) {
        add({.control = {K::CmdSource, i},
             .name = "cmdSource",
             .element = true,
             .tabStop = markerTabStops.at(static_cast<std::size_t>(i)),
             .place = elementPlaceOf<&Form::cmdSource>,
             .click = markerClick,
             .key = markerKey,
             .press = markerPress});
    }
    // Every row filled: a table left short does not compile.
    return at == table.size() ? table : throw "the table lists every control";
}();

}  // namespace

std::span<const ControlEntry> controlTable() {
    return kTable;
}

const ControlEntry* findControl(ControlRef control) {
    const auto at = std::find_if(kTable.begin(), kTable.end(),
                                 [control](const ControlEntry& e) { return e.control == control; });
    return at == kTable.end() ? nullptr : &*at;
}

int stackingRank(ControlRef control) {
    const ControlEntry* entry = findControl(control);
    return entry == nullptr ? -1 : static_cast<int>(entry - kTable.data());
}

std::string controlId(ControlRef control) {
    // Named by its kind, so that any element's index makes an id.
    const auto at = std::find_if(kTable.begin(), kTable.end(), [control](const ControlEntry& e) {
        return e.control.kind == control.kind;
    });
    if (at == kTable.end()) return {};
    std::string id(at->name);
    if (at->element) id += "-" + std::to_string(control.index);
    return id;
}

std::optional<ControlRef> controlWithId(std::string_view id) {
    for (const ControlEntry& entry : kTable) {
        if (controlId(entry.control) == id) return entry.control;
    }
    return std::nullopt;
}

std::string drawingId(DrawingRef item) {
    const std::string n = std::to_string(item.index);
    switch (item.kind) {
        case DrawingKind::Axis:
            return "Line" + std::to_string(item.index + 1);
        case DrawingKind::Frame:
            return "cmdShape-" + n;
        case DrawingKind::Impulse:
            return "lneImpulse-" + n;
    }
    return {};
}

std::vector<ControlRef> tabOrderOfTable() {
    std::vector<const ControlEntry*> stops;
    for (const ControlEntry& entry : kTable) {
        if (entry.tabStop != kNoTabStop) stops.push_back(&entry);
    }
    std::sort(stops.begin(), stops.end(),
              [](const ControlEntry* a, const ControlEntry* b) { return a->tabStop < b->tabStop; });
    std::vector<ControlRef> order;
    for (const ControlEntry* entry : stops) order.push_back(entry->control);
    return order;
}

std::string_view controlEventName(ControlEvent event) {
    switch (event) {
        case ControlEvent::Click:
            return "click";
        case ControlEvent::Key:
            return "key";
        case ControlEvent::Press:
            return "press";
        case ControlEvent::Change:
            return "change";
    }
    return {};
}

std::optional<ControlEvent> controlEventNamed(std::string_view name) {
    for (const ControlEvent event : kControlEvents) {
        if (controlEventName(event) == name) return event;
    }
    return std::nullopt;
}

ControlAction actionOf(const ControlEntry& entry, ControlEvent event) {
    switch (event) {
        case ControlEvent::Click:
            return entry.click;
        case ControlEvent::Key:
            return entry.key;
        case ControlEvent::Press:
            return entry.press;
        case ControlEvent::Change:
            return entry.change;
    }
    return nullptr;
}

bool runControlEvent(Form& form, ControlRef control, ControlEvent event, int value) {
    const ControlEntry* entry = findControl(control);
    const ControlAction action = entry == nullptr ? nullptr : actionOf(*entry, event);
    if (action == nullptr) return false;
    action(form, control.index, value);
    return true;
}

}  // namespace tarvel
