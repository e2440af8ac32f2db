#include "tools/tarvel-script/script_commands.h"

#include <algorithm>
#include <array>
#include <limits>
#include <vector>

#include "animation/timer_tick.h"
#include "app/user_actions.h"
#include "paths/diagram_geometry.h"
#include "tools/tarvel-script/script_line.h"
#include "tools/tarvel-script/state_dump.h"

namespace tarvel::script {
namespace {

using Args = std::span<const std::string_view>;

int markerIndex(std::string_view word) {
    return parseInteger(word, 0, kPathCount - 1, "marker");
}

float floatWithin(std::string_view word, float low, float high, std::string_view what) {
    const float value = parseFloat(word);
    if (value < low || value > high) {
        throw ScriptError{std::string(what) + " out of range: " + quoted(word) + " (" +
                          std::to_string(static_cast<int>(low)) + ".." +
                          std::to_string(static_cast<int>(high)) + ")"};
    }
    return value;
}

void click(ScriptSession& s, Args a, std::ostream&) {
    clickMarker(s.form(), markerIndex(a[0]));
}

void key(ScriptSession& s, Args a, std::ostream&) {
    const int index = markerIndex(a[0]);
    keyOnMarker(s.form(), index, parseKey(a[1]));
}

// The core decides whether the release drops: a point off the window, or
// over any control, loses the drag.
void drag(ScriptSession& s, Args a, std::ostream&) {
    const int index = markerIndex(a[0]);
    const float x = parseFloat(a[1]);
    const float y = parseFloat(a[2]);
    dragMarker(s.form(), index, x, y);
}

void random(ScriptSession& s, Args, std::ostream&) {
    clickRandom(s.form());
}
void start(ScriptSession& s, Args, std::ostream&) {
    clickGo(s.form(), kGoStart);
}
void reset(ScriptSession& s, Args, std::ostream&) {
    clickGo(s.form(), kGoReset);
}

void tick(ScriptSession& s, Args a, std::ostream&) {
    const int count = a.empty() ? 1 : parseInteger(a[0], 0, kMaxTicksPerLine, "tick count");
    for (int i = 0; i < count; ++i) Timer1_Timer(s.form());
}

void fade(ScriptSession& s, Args a, std::ostream&) {
    const ScrollBar& bar = s.form().hscFade;
    setFadeValue(s.form(), parseInteger(a[0], bar.min, bar.max, "fading value"));
}

void symbol(ScriptSession& s, Args a, std::ostream&) {
    const std::vector<std::string>& items = s.form().cmbSymbol.items;
    const auto item = std::find(items.begin(), items.end(), a[0]);
    if (item == items.end()) {
        std::string list;
        for (const std::string& text : items) list += (list.empty() ? "" : ", ") + text;
        throw ScriptError{"symbol time is not one of the list's items: " + quoted(a[0]) + " (" +
                          list + ")"};
    }
    chooseSymbol(s.form(), static_cast<int>(item - items.begin()));
}

void linear(ScriptSession& s, Args, std::ostream&) {
    clickLinear(s.form());
}
void memory(ScriptSession& s, Args, std::ostream&) {
    clickMemory(s.form());
}

void range(ScriptSession& s, Args a, std::ostream&) {
    const ScrollBar& bar = s.form().vscSpectrumRange;
    setRangeValue(s.form(), parseInteger(a[0], bar.min, bar.max, "range value"));
}

void clear(ScriptSession& s, Args a, std::ostream&) {
    ControlKind box;
    if (a[0] == "individual") {
        box = ControlKind::PicIndividual;
    } else if (a[0] == "combo") {
        box = ControlKind::PicCombo;
    } else if (a[0] == "sum") {
        box = ControlKind::PicSumGraph;
    } else {
        throw ScriptError{"no eye-diagram surface " + quoted(a[0]) + " (individual, combo, sum)"};
    }
    clickEyeSurface(s.form(), box);
}

void place(ScriptSession& s, Args a, std::ostream&) {
    const auto index = static_cast<std::size_t>(markerIndex(a[0]));
    const float left = floatWithin(a[1], kMarkerLeftMin, kMarkerLeftMax, "LEFT");
    const float top = floatWithin(a[2], kFadeTopMin, kMarkerTopMax, "TOP");
    Form& form = s.form();
    form.cmdSource[index].left = left;
    form.cmdSource[index].top = top;
    form.cmdShape[index].left = left;
    form.cmdShape[index].top = top;
}

void draws(ScriptSession& s, Args a, std::ostream&) {
    std::vector<float> values;
    values.reserve(a.size());
    for (const std::string_view word : a) {
        const float u = parseFloat(word);
        if (!(u >= 0 && u < 1)) throw ScriptError{"draw out of range: " + quoted(word) + " [0, 1)"};
        values.push_back(u);
    }
    for (const float u : values) s.form().state.generator.queue(u);
}

void dump(ScriptSession& s, Args a, std::ostream& out) {
    if (a.empty()) {
        out << dumpState(s.form()) << '\n';
        return;
    }
    if (a[0] == "arrays") {
        if (a.size() > 1) throw ScriptError{"surplus argument " + quoted(a[1]) + " (dump arrays)"};
        out << dumpArrays(s.form()) << '\n';
        return;
    }
    if (a[0] == "words") {
        if (a.size() > 1) throw ScriptError{"surplus argument " + quoted(a[1]) + " (dump words)"};
        out << dumpWords(s.form()) << '\n';
        return;
    }
    if (a[0] != "surface") {
        throw ScriptError{"nothing to dump called " + quoted(a[0]) +
                          " (dump, dump arrays, dump words, dump surface NAME)"};
    }
    if (a.size() < 2) throw ScriptError{"missing argument (dump surface NAME)"};
    const auto named = std::find_if(kSurfaces.begin(), kSurfaces.end(),
                                    [&](const NamedSurface& n) { return n.name == a[1]; });
    if (named == kSurfaces.end()) {
        throw ScriptError{"no surface " + quoted(a[1]) +
                          " (picIndividual, picCombo, picSumGraph, picSpectrum)"};
    }
    const RecordingSurface& recording = s.recording(named->kind);
    if (!recording.complete()) {
        throw ScriptError{"surface " + std::string(named->name) + " holds more than " +
                          std::to_string(RecordingSurface::kMaxSegments) +
                          " segments since its last clear, too many to dump"};
    }
    out << dumpSurface(named->name, s.form().picture(named->kind), recording) << '\n';
}

struct Command {
    std::string_view name;
    std::string_view usage;
    std::size_t minArgs;
    std::size_t maxArgs;
    void (*run)(ScriptSession&, Args, std::ostream&);
};

constexpr std::size_t kAny = std::numeric_limits<std::size_t>::max();

constexpr auto kCommands = std::to_array<Command>({
    {"click", "click I", 1, 1, click},
    {"key", "key I C", 2, 2, key},
    {"drag", "drag I X Y", 3, 3, drag},
    {"random", "random", 0, 0, random},
    {"start", "start", 0, 0, start},
    {"reset", "reset", 0, 0, reset},
    {"tick", "tick [N]", 0, 1, tick},
    {"fade", "fade V", 1, 1, fade},
    {"symbol", "symbol T", 1, 1, symbol},
    {"linear", "linear", 0, 0, linear},
    {"memory", "memory", 0, 0, memory},
    {"range", "range V", 1, 1, range},
    {"clear", "clear individual|combo|sum", 1, 1, clear},
    {"place", "place I LEFT TOP", 3, 3, place},
    {"draws", "draws U1 [U2 ...]", 1, kAny, draws},
    {"dump", "dump [arrays | words | surface NAME]", 0, 2, dump},
});

}  // namespace

void runCommand(ScriptSession& session, std::span<const std::string_view> words,
                std::ostream& out) {
    const auto command = std::find_if(kCommands.begin(), kCommands.end(),
                                      [&](const Command& c) { return c.name == words[0]; });
    if (command == kCommands.end()) throw ScriptError{"unknown command " + quoted(words[0])};
    const Args args = words.subspan(1);
    if (args.size() < command->minArgs) {
        throw ScriptError{"missing argument (" + std::string(command->usage) + ")"};
    }
    if (args.size() > command->maxArgs) {
        throw ScriptError{"surplus argument " + quoted(args[command->maxArgs]) + " (" +
                          std::string(command->usage) + ")"};
    }
    command->run(session, args, out);
}

}  // namespace tarvel::script
